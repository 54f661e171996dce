// Converting the capture rectangle between the target window's client
// coordinates and desktop (screen) coordinates. Both work on X and Y of the
// capture settings record, not on the edits; the main window shows the
// result and then applies.
#pragma once

#include <optional>
#include <string>

#include "base/capture_settings.h"
#include "base/window_system.h"
#include "target/target_selection.h"

namespace nolb {

// The rectangle's corner from the target's client coordinates to the
// screen; the desktop becomes the target. The size stays; the view shows
// "Desktop" and all four values. With the desktop as target only the
// (unchanged) view results.
TargetView ConvertToDesktop(CaptureState& state, WindowSystem& windows);

// What the main window shows after converting to window coordinates: the
// new target in the caption box and the corner in the X and Y edits. The
// width and height edits are left as they are.
struct WindowCorner {
  WindowId target = 0;
  std::string caption;
  Point corner;
  bool operator==(const WindowCorner&) const = default;
};

// With the desktop as target: the window at the rectangle's corner becomes
// the target and the corner goes into its client coordinates. Nothing, and
// no change, when the target is another window or no window is there.
std::optional<WindowCorner> ConvertToWindow(CaptureState& state, WindowSystem& windows);

}  // namespace nolb
