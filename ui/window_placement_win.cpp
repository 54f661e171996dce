#include "ui/window_placement_win.h"

#include "ui/monitor_scaling_win.h"

namespace ui {
namespace {

// The monitor's areas.
nolb::MonitorArea AreaOf(const MONITORINFO& info) {
  return {ToWindowRect(info.rcMonitor), ToWindowRect(info.rcWork)};
}

nolb::MonitorArea AreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return {};
  return AreaOf(info);
}

}  // namespace

std::vector<nolb::MonitorArea> Monitors() {
  std::vector<nolb::MonitorArea> monitors;
  ForEachMonitor([&](const MONITORINFOEXW& info) {
    nolb::MonitorArea area = AreaOf(info);
    if (area.work.width > 0 && area.work.height > 0) monitors.push_back(area);  // else unreadable
  });
  return monitors;
}

Place PlaceOnMonitor(const Place& stored) {
  nolb::WindowRect placed =
      nolb::PlaceOnMonitors({stored.left, stored.top, stored.width, stored.height}, Monitors());
  return {placed.left, placed.top, placed.width, placed.height};
}

Place NormalPlace(HWND window) {
  RECT r{};
  if (!IsIconic(window) && !IsZoomed(window)) {
    GetWindowRect(window, &r);
  } else {
    // The restored place of a minimised or maximised window comes in
    // workspace coordinates, relative to its monitor's work area.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    nolb::WindowRect screen = nolb::WorkspaceToScreen(
        ToWindowRect(placement.rcNormalPosition),
        AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)));
    return {screen.left, screen.top, screen.width, screen.height};
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace ui
