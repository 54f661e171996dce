// The window system as the program's rules see it: the few queries they need
// about other programs' windows. The Win32 shell implements it over the real
// API; unit tests implement it with a fake window tree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/capture_hook.h"
#include "base/window_placement.h"

namespace nolb {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Size&) const = default;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual WindowId DesktopWindow() = 0;
  virtual bool IsWindow(WindowId window) = 0;
  // The parent, or for an owned pop-up its owner; 0 when there is none.
  virtual WindowId Parent(WindowId window) = 0;
  // The client size, or nothing when it cannot be read.
  virtual std::optional<Size> ClientSize(WindowId window) = 0;
  virtual Point ClientToScreen(WindowId window, Point client) = 0;
  virtual Point ScreenToClient(WindowId window, Point screen) = 0;
  // The deepest visible, enabled window at a screen point, or 0.
  virtual WindowId WindowFromPoint(Point screen) = 0;
  virtual std::optional<Point> CursorPos() = 0;
  // Window text and class name, UTF-8.
  virtual std::string Text(WindowId window) = 0;
  virtual std::string ClassName(WindowId window) = 0;
  // The top-left corner of the virtual screen (all monitors).
  virtual Point VirtualScreenOrigin() = 0;
  // The whole rectangle of the monitor that a screen point lies on, else of
  // the nearest one; nothing when it cannot be read. Safe on any thread: it
  // sends no message to a window.
  virtual std::optional<WindowRect> MonitorOf(Point screen) = 0;
};

}  // namespace nolb
