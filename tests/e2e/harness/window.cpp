#include "harness/window.h"

#include <cstdio>

#include "harness/error.h"
#include "harness/focus_change.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {

namespace {

constexpr wchar_t kNameProperty[] = L"NOLB.Name";
constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<Window>*>(list)->emplace_back(hwnd);
  return TRUE;
}

}  // namespace

std::string Window::Name() const {
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd_, kNameProperty)));
  if (atom == 0) return {};
  wchar_t name[256];
  UINT length = GlobalGetAtomNameW(atom, name, 256);
  return Utf8(std::wstring_view(name, length));
}

std::wstring Window::ClassName() const {
  wchar_t name[256];
  int length = GetClassNameW(hwnd_, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

DWORD Window::ProcessId() const {
  DWORD id = 0;
  GetWindowThreadProcessId(hwnd_, &id);
  return id;
}

std::vector<Window> Window::Children() const {
  std::vector<Window> children;
  EnumChildWindows(hwnd_, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::optional<Window> Window::Find(std::string_view name) const { return FindNamed({*this}, name); }

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd_, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%04X", message);
    ThrowLastError("message " + std::string(number) + " to " + Describe() + " not answered");
  }
  return static_cast<LRESULT>(result);
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!PostMessageW(hwnd_, message, wParam, lParam)) ThrowLastError("PostMessage to " + Describe());
}

std::wstring Window::Text() const {
  auto length = static_cast<size_t>(Send(WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  auto copied = static_cast<size_t>(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < text.size() ? copied : length);
  return text;
}

void Window::SetText(std::wstring_view text) const {
  std::wstring copy(text);
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

int Window::Number() const {
  std::wstring text = Text();
  try {
    size_t used = 0;
    int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw HarnessError(Describe() + " shows \"" + Utf8(text) + "\", not a number");
}

RECT Window::Rect() const {
  RECT rect{};
  if (!GetWindowRect(hwnd_, &rect)) ThrowLastError("GetWindowRect of " + Describe());
  return rect;
}

RECT Window::ClientRect() const {
  RECT rect{};
  if (!GetClientRect(hwnd_, &rect)) ThrowLastError("GetClientRect of " + Describe());
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Window::Center() const {
  RECT rect = Rect();
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Window::Click() const { Post(BM_CLICK); }

bool Window::Checked() const { return CheckState() == BST_CHECKED; }

int Window::CheckState() const { return static_cast<int>(Send(BM_GETCHECK)); }

int Window::Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }

std::vector<std::wstring> Window::Items() const {
  std::vector<std::wstring> items;
  auto count = static_cast<int>(Send(CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    auto length = static_cast<int>(Send(CB_GETLBTEXTLEN, i));
    if (length < 0) throw HarnessError("cannot read item " + std::to_string(i) + " of " + Describe());
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    auto copied = static_cast<int>(Send(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
    item.resize(copied >= 0 && copied <= length ? copied : length);
    items.push_back(std::move(item));
  }
  return items;
}

void Window::Select(int index) const {
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  Parent().Post(WM_COMMAND, MAKEWPARAM(Id(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(hwnd_));
}

void Window::Select(std::wstring_view item) const {
  auto items = Items();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == item) return Select(static_cast<int>(i));
  }
  std::string shown;
  for (const auto& each : items) shown += (shown.empty() ? "\"" : ", \"") + Utf8(each) + "\"";
  throw HarnessError(Describe() + " has no item \"" + Utf8(item) + "\"; items: " + shown);
}

void BringToFront(const Window& window) {
  HWND top = GetAncestor(window.Handle(), GA_ROOT);
  if (!ActivateForKeys(top)) throw HarnessError("cannot bring " + Window(top).Describe() + " to the front");
  // The window's thread may still be handling its activation, which moves the
  // focus to the control it remembers: a message round trip waits for that.
  Window(top).Send(WM_NULL);
}

void Window::Focus() const {
  BringToFront(*this);
  DWORD thread = GetWindowThreadProcessId(hwnd_, nullptr);
  DWORD self = GetCurrentThreadId();
  bool focused = WaitUntil(
      [&] {
        if (GuiThreadInfo(thread).hwndFocus == hwnd_) return true;
        // SetFocus works on windows of the caller's input queue: share it for a moment.
        bool attached = AttachThreadInput(self, thread, TRUE) != FALSE;
        SetFocus(hwnd_);
        if (attached) AttachThreadInput(self, thread, FALSE);
        return GuiThreadInfo(thread).hwndFocus == hwnd_;
      },
      5s);
  if (!focused) throw HarnessError("cannot give the keyboard focus to " + Describe());
}

std::string Window::Describe() const {
  char handle[32];
  std::snprintf(handle, sizeof handle, "0x%lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd_)));
  std::string name = Name();
  std::string kind = Utf8(ClassName()) + " " + handle;
  return name.empty() ? kind : name + " (" + kind + ")";
}

std::vector<Window> TopLevelWindows(DWORD processId) {
  std::vector<Window> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<Window> mine;
  for (const auto& window : all) {
    if (window.ProcessId() == processId) mine.push_back(window);
  }
  return mine;
}

std::optional<Window> FindNamed(const std::vector<Window>& roots, std::string_view name) {
  for (const auto& root : roots) {
    if (root.Name() == name) return root;
  }
  for (const auto& root : roots) {
    for (const auto& child : root.Children()) {
      if (child.Name() == name) return child;
    }
  }
  return std::nullopt;
}

Window FocusedWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(0, &info)) return Window();
  return Window(info.hwndFocus);
}

}  // namespace e2e
