#include "ui/monitor_scaling_win.h"

#include <optional>

#include "ui/handles_win.h"

namespace ui {
namespace {

BOOL CALLBACK VisitMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto& infos = *reinterpret_cast<std::vector<MONITORINFOEXW>*>(data);
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;  // gone meanwhile
  const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  infos.insert(primary ? infos.begin() : infos.end(), info);
  return TRUE;
}

// The monitor's display mode: where its pixels lie and how many there are.
std::optional<nolb::WindowRect> DisplayMode(const MONITORINFOEXW& info) {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode)) return std::nullopt;
  nolb::WindowRect physical{info.rcMonitor.left, info.rcMonitor.top, static_cast<std::int32_t>(mode.dmPelsWidth),
                            static_cast<std::int32_t>(mode.dmPelsHeight)};
  if (mode.dmFields & DM_POSITION) {
    physical.left = mode.dmPosition.x;
    physical.top = mode.dmPosition.y;
  }
  return physical;
}

}  // namespace

nolb::WindowRect ToWindowRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

void ForEachMonitor(const std::function<void(const MONITORINFOEXW&)>& visit) {
  std::vector<MONITORINFOEXW> infos;
  EnumDisplayMonitors(nullptr, nullptr, &VisitMonitor, reinterpret_cast<LPARAM>(&infos));
  for (const MONITORINFOEXW& info : infos) visit(info);
}

std::vector<nolb::MonitorScaling> MonitorScalings() {
  std::vector<nolb::MonitorScaling> monitors;
  ForEachMonitor([&](const MONITORINFOEXW& info) {
    monitors.push_back(nolb::MonitorFromMode(ToWindowRect(info.rcMonitor), DisplayMode(info)));
  });
  return monitors;
}

void CopyMonitor(HDC picture, const nolb::MonitorScaling& monitor) {
  const nolb::PictureCopy c = nolb::MonitorPicture(monitor);
  WindowDc screen(nullptr);
  if (!c.stretch) {
    BitBlt(picture, c.to.left, c.to.top, c.to.width, c.to.height, screen.Get(), c.from.left, c.from.top, SRCCOPY);
    return;
  }
  SetStretchBltMode(picture, HALFTONE);
  SetBrushOrgEx(picture, 0, 0, nullptr);
  StretchBlt(picture, c.to.left, c.to.top, c.to.width, c.to.height, screen.Get(), c.from.left, c.from.top,
             c.from.width, c.from.height, SRCCOPY);
}

}  // namespace ui
