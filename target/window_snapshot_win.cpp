#include "target/window_snapshot_win.h"

#include <windows.h>

#include "target/window_tree_win.h"
#include "ui/desktop_composition_win.h"
#include "ui/monitor_scaling_win.h"

namespace nolb {
namespace {

bool Shown(HWND window) { return IsWindowVisible(window) && !IsCloakedWindow(window); }

// A top-level window is described by the frame it shows (the monitors,
// read when first needed, are given), a child by its whole rectangle.
SnapWindow Describe(HWND window, bool own, std::optional<std::vector<MonitorScaling>>* monitors) {
  SnapWindow w;
  if (monitors) {
    w.frame = ui::VisibleFrame(window, *monitors);
  } else {
    RECT frame{};
    GetWindowRect(window, &frame);
    w.frame = ui::ToWindowRect(frame);
  }
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  w.client = ui::ToWindowRect(client);
  w.enabled = IsWindowEnabled(window) != FALSE;
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  w.passThrough = (exStyle & WS_EX_LAYERED) && (exStyle & WS_EX_TRANSPARENT);
  w.own = own;
  if (own) return w;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) w.children.push_back(Describe(child, false, nullptr));
  }
  return w;
}

struct Snapshot {
  WindowSnapshot windows;
  std::optional<std::vector<MonitorScaling>> monitors;
};

BOOL CALLBACK AddTopLevel(HWND window, LPARAM data) {
  if (!Shown(window)) return TRUE;
  auto& snapshot = *reinterpret_cast<Snapshot*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  snapshot.windows.push_back(Describe(window, process == GetCurrentProcessId(), &snapshot.monitors));
  return TRUE;
}

}  // namespace

WindowSnapshot TakeWindowSnapshot() {
  Snapshot snapshot;
  EnumWindows(&AddTopLevel, reinterpret_cast<LPARAM>(&snapshot));
  return std::move(snapshot.windows);
}

}  // namespace nolb
