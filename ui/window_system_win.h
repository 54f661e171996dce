// The window system over the real Win32 API.
#pragma once

#include "base/window_system.h"

namespace nolb {

class Win32WindowSystem : public WindowSystem {
 public:
  WindowId DesktopWindow() override;
  bool IsWindow(WindowId window) override;
  WindowId Parent(WindowId window) override;
  std::optional<Size> ClientSize(WindowId window) override;
  Point ClientToScreen(WindowId window, Point client) override;
  Point ScreenToClient(WindowId window, Point screen) override;
  WindowId WindowFromPoint(Point screen) override;
  std::optional<Point> CursorPos() override;
  std::string Text(WindowId window) override;
  std::string ClassName(WindowId window) override;
  Point VirtualScreenOrigin() override;
  std::optional<WindowRect> MonitorOf(Point screen) override;
};

}  // namespace nolb
