#include "ui/window_class_win.h"

#include <set>
#include <string>

#include "ui/resource_ids.h"

namespace ui {

namespace {

// The program's icon at the size of a system metric (SM_CXICON,
// SM_CXSMICON), or none when the module has no such icon. Shared: the
// system keeps one copy and never frees it.
HICON ProgramIcon(int sizeMetric) {
  int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(NOLB_PROGRAM_ICON), IMAGE_ICON, size,
                                       size, LR_SHARED));
}

}  // namespace

void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HBRUSH background) {
  static std::set<std::wstring> registered;
  if (!registered.insert(className).second) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = ProgramIcon(SM_CXICON);
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hIconSm = ProgramIcon(SM_CXSMICON);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

void SetProgramIcon(HWND window) {
  if (HICON bigIcon = ProgramIcon(SM_CXICON)) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  }
  if (HICON smallIcon = ProgramIcon(SM_CXSMICON)) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  }
}

}  // namespace ui
