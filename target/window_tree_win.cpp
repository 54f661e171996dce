#include "target/window_tree_win.h"

#include <windows.h>
#include <dwmapi.h>

#include <algorithm>

#include "ui/handles_win.h"
#include "ui/text_win.h"

namespace nolb {
namespace {

HWND Handle(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId Id(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }

// How long another program may take to hand over a control's text.
constexpr UINT kTextAnswerMs = 200;
constexpr int kTextBuffer = 1024;

BOOL CALLBACK AddTopLevel(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<WindowId>*>(list)->push_back(Id(hwnd));
  return TRUE;
}

}  // namespace

bool Win32WindowTree::IsWindow(WindowId window) { return windows_.IsWindow(window); }

bool Win32WindowTree::IsVisible(WindowId window) { return IsWindowVisible(Handle(window)) != FALSE; }

WindowId Win32WindowTree::ParentOf(WindowId window) {
  HWND parent = GetAncestor(Handle(window), GA_PARENT);
  return parent == GetDesktopWindow() ? 0 : Id(parent);
}

std::vector<WindowId> Win32WindowTree::Children(WindowId window) {
  std::vector<WindowId> children;
  for (HWND child = GetWindow(Handle(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(Id(child));
  }
  return children;
}

std::vector<WindowId> Win32WindowTree::TopLevelWindows() {
  std::vector<WindowId> windows;
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32WindowTree::Text(WindowId window) { return windows_.Text(window); }

std::string Win32WindowTree::ClassName(WindowId window) { return windows_.ClassName(window); }

std::string Win32WindowTree::ControlText(WindowId window) {
  const DWORD thread = GetWindowThreadProcessId(Handle(window), nullptr);
  if (thread == 0 || silentThreads_.contains(thread)) return Text(window);
  wchar_t buffer[kTextBuffer];
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(Handle(window), WM_GETTEXT, kTextBuffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, kTextAnswerMs, &copied)) {
    if (IsWindow(window)) silentThreads_.insert(thread);
    return Text(window);
  }
  return ui::Narrow(std::wstring_view(buffer, std::min<DWORD_PTR>(copied, kTextBuffer - 1)));
}

std::int32_t Win32WindowTree::ControlId(WindowId window) {
  return static_cast<std::int32_t>(GetWindowLongPtrW(Handle(window), GWLP_ID));
}

std::string Win32WindowTree::ExecutableName(WindowId window) {
  DWORD processId = 0;
  if (!GetWindowThreadProcessId(Handle(window), &processId)) return {};
  ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return {};
  wchar_t path[MAX_PATH * 2];
  DWORD length = static_cast<DWORD>(std::size(path));
  if (!QueryFullProcessImageNameW(process.Get(), 0, path, &length)) return {};
  std::wstring_view name(path, length);
  if (const size_t slash = name.find_last_of(L"\\/"); slash != std::wstring_view::npos) {
    name.remove_prefix(slash + 1);
  }
  return ui::Narrow(name);
}

bool IsCloakedWindow(HWND window) {
  // Before Windows 8 nothing is cloaked, and the attribute is unknown.
  DWORD cloaked = 0;
  return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool Win32WindowTree::IsCloaked(WindowId window) { return IsCloakedWindow(Handle(window)); }

bool Win32WindowTree::BelongsToThisProgram(WindowId window) {
  DWORD processId = 0;
  return GetWindowThreadProcessId(Handle(window), &processId) && processId == GetCurrentProcessId();
}

}  // namespace nolb
