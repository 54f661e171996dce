#include "target/coordinate_conversion.h"

namespace nolb {

TargetView ConvertToDesktop(CaptureState& state, WindowSystem& windows) {
  const CaptureSettings before = state.Settings();
  const WindowId desktop = windows.DesktopWindow();
  const Point corner = before.target == desktop
                           ? Point{before.x, before.y}
                           : windows.ClientToScreen(before.target, Point{before.x, before.y});
  TargetView view;
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.target = desktop;
    s.x = corner.x;
    s.y = corner.y;
    view = ViewOf(s, kDesktopCaption);
  });
  return view;
}

std::optional<WindowCorner> ConvertToWindow(CaptureState& state, WindowSystem& windows) {
  const CaptureSettings before = state.Settings();
  if (before.target != windows.DesktopWindow()) return std::nullopt;
  const Point screen{before.x, before.y};
  const WindowId window = windows.WindowFromPoint(screen);
  if (window == 0) return std::nullopt;
  WindowCorner result{window, TargetCaption(windows, window), windows.ScreenToClient(window, screen)};
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.target = window;
    s.x = result.corner.x;
    s.y = result.corner.y;
  });
  return result;
}

}  // namespace nolb
