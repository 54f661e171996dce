// Choosing the target window: the window under the cursor, the parent of the
// target, or the desktop. Each rule changes the capture settings record and
// returns what the caption box and the four edits must show; the main
// window only writes that into its controls (and applies where its handler
// says so).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/capture_settings.h"
#include "base/window_system.h"

namespace nolb {

// The caption box's text for the desktop as target.
inline constexpr char kDesktopCaption[] = "Desktop";

// The target and rectangle as the main window shows them: the caption box
// and the edits X, Y, width, height (written as plain decimal integers).
struct TargetView {
  WindowId target = 0;
  std::string caption;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const TargetView&) const = default;
};

// The record's target and rectangle as shown, with the given caption.
TargetView ViewOf(const CaptureSettings& settings, std::string caption);

// The caption box's text for a window: its text, " (", its class name, ")";
// "Desktop" for the desktop window.
std::string TargetCaption(WindowSystem& windows, WindowId window);

// The desktop as target. A remembered desktop rectangle goes into the
// record; otherwise the record keeps the previous target's rectangle.
// Nothing is applied: the desktop button applies only when clicked.
TargetView SelectDesktop(CaptureState& state, WindowSystem& windows);

// The window becomes the target with its whole client area, as the picker
// takes the window under the cursor. Nothing, and no change, when it is no
// window any more or its client size cannot be read.
std::optional<TargetView> TakeWindow(CaptureState& state, WindowSystem& windows, WindowId window);

struct PickResult {
  TargetView view;
  // False when no window could be taken at the cursor (the cursor cannot be
  // read, no window is there, or its client size cannot be read): the
  // desktop was selected as by SelectDesktop instead.
  bool picked = false;
};

// One step of the picker: the window under the cursor becomes the target
// and its whole client area the rectangle. Draws nothing: the drag's timer
// frames view.target when picked.
PickResult PickWindowUnderCursor(CaptureState& state, WindowSystem& windows);

// The parent (or owner) of the target becomes the target with its whole
// client area. Nothing, and no change, when the target has no parent or
// the parent's client size cannot be read.
std::optional<TargetView> SelectParent(CaptureState& state, WindowSystem& windows);

}  // namespace nolb
