#include "target/window_snapshot_win.h"

#include <windows.h>

#include "target/window_tree_win.h"
#include "ui/monitor_scaling_win.h"

namespace nolb {
namespace {

bool Shown(HWND window) { return IsWindowVisible(window) && !IsCloakedWindow(window); }

SnapWindow Describe(HWND window, bool own) {
  SnapWindow w;
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  w.frame = ui::ToWindowRect(frame);
  w.client = ui::ToWindowRect(client);
  w.enabled = IsWindowEnabled(window) != FALSE;
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  w.passThrough = (exStyle & WS_EX_LAYERED) && (exStyle & WS_EX_TRANSPARENT);
  w.own = own;
  if (own) return w;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) w.children.push_back(Describe(child, false));
  }
  return w;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM windows) {
  if (!Shown(window)) return TRUE;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  reinterpret_cast<WindowSnapshot*>(windows)->push_back(Describe(window, process == GetCurrentProcessId()));
  return TRUE;
}

}  // namespace

WindowSnapshot TakeWindowSnapshot() {
  WindowSnapshot windows;
  EnumWindows(&AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace nolb
