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

// The system's own conversion, where it has one (Windows 8.1 and later).
std::optional<nolb::Point> SystemPhysicalPoint(HWND window, nolb::Point logical) {
  using Convert = BOOL(WINAPI*)(HWND, POINT*);
  static const auto convert = reinterpret_cast<Convert>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "LogicalToPhysicalPointForPerMonitorDPI")));
  POINT p{logical.x, logical.y};
  if (!convert || !convert(window, &p)) return std::nullopt;
  return nolb::Point{p.x, p.y};
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

nolb::WindowRect VirtualScreenRect() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void CopyScreen(HDC picture, POINT origin, COLORREF nothingShown) {
  const nolb::WindowRect area = VirtualScreenRect();
  {
    GdiObject<HBRUSH> brush(CreateSolidBrush(nothingShown));
    const RECT all{0, 0, area.width, area.height};
    FillRect(picture, &all, brush.Get());
  }
  WindowDc screen(nullptr);
  SetStretchBltMode(picture, HALFTONE);
  SetBrushOrgEx(picture, 0, 0, nullptr);
  for (const nolb::PictureCopy& c : nolb::PictureCopies(MonitorScalings(), {origin.x, origin.y})) {
    if (c.stretch) {
      StretchBlt(picture, c.to.left, c.to.top, c.to.width, c.to.height, screen.Get(), c.from.left, c.from.top,
                 c.from.width, c.from.height, SRCCOPY);
    } else {
      BitBlt(picture, c.to.left, c.to.top, c.to.width, c.to.height, screen.Get(), c.from.left, c.from.top, SRCCOPY);
    }
  }
}

RECT PhysicalScreenRect(HWND window, const RECT& logical) {
  const nolb::WindowRect rect = ToWindowRect(logical);
  const std::optional<nolb::MonitorScaling> monitor = nolb::MonitorOfLogical(MonitorScalings(), rect);
  if (!monitor) return logical;
  const nolb::WindowRect mapped = nolb::LogicalToPhysical(*monitor, rect);
  const nolb::Point topLeft = nolb::AgreedPhysical(*monitor, {mapped.left, mapped.top},
                                                   SystemPhysicalPoint(window, {logical.left, logical.top}));
  const nolb::Point bottomRight =
      nolb::AgreedPhysical(*monitor, {mapped.left + mapped.width, mapped.top + mapped.height},
                           SystemPhysicalPoint(window, {logical.right, logical.bottom}));
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace ui
