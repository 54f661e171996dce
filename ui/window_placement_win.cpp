#include "ui/window_placement_win.h"

namespace ui {
namespace {

nolb::WindowRect ToWindowRect(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The monitor's areas; whether it is the primary monitor goes to *primary.
nolb::MonitorArea AreaOf(HMONITOR monitor, bool* primary = nullptr) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return {};
  if (primary) *primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  return {ToWindowRect(info.rcMonitor), ToWindowRect(info.rcWork)};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto& monitors = *reinterpret_cast<std::vector<nolb::MonitorArea>*>(data);
  bool primary = false;
  nolb::MonitorArea area = AreaOf(monitor, &primary);
  if (area.work.width <= 0 || area.work.height <= 0) return TRUE;  // unreadable
  monitors.insert(primary ? monitors.begin() : monitors.end(), area);
  return TRUE;
}

}  // namespace

std::vector<nolb::MonitorArea> Monitors() {
  std::vector<nolb::MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
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
