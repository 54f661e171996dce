// The windows on the screen as they were when the selection froze its
// picture, and the window area that Ctrl shows and a Ctrl+click takes: the
// client area of the deepest window or control under the cursor.
#pragma once

#include <optional>
#include <vector>

#include "base/window_placement.h"
#include "base/window_system.h"

namespace nolb {

// One shown window, in screen coordinates.
struct SnapWindow {
  // Where it takes the mouse: a top-level window's visible frame, without
  // the invisible resize border that Windows 10 keeps around it; a child
  // window's whole rectangle.
  WindowRect frame{};
  WindowRect client{};  // its client area
  // A disabled control is not taken; its parent is.
  bool enabled = true;
  // Clicks go through it to what lies beneath (layered and transparent).
  bool passThrough = false;
  // One of the panel's own windows: never taken, and nothing beneath it is.
  bool own = false;
  // Its shown child windows, topmost first.
  std::vector<SnapWindow> children{};
};

// The shown top-level windows, topmost first.
using WindowSnapshot = std::vector<SnapWindow>;

// The client area of the deepest window at the point: the topmost top-level
// window whose frame holds it, then in it the topmost enabled child whose
// frame holds it, and so on. A window without client area gives way to its
// nearest parent that has one. Nothing over the panel's own windows or where
// no window is.
std::optional<WindowRect> SnapAreaAt(const WindowSnapshot& windows, Point at);

}  // namespace nolb
