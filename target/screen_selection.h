// Choosing the capture rectangle on a frozen picture of the screen: a range
// dragged with the mouse, or a rectangle of fixed size placed with a click.
// The selection window feeds its mouse events in here and inverts the
// outlines that each step returns; the main window takes the result into
// the capture settings record.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/capture_settings.h"
#include "base/window_system.h"

namespace nolb {

enum class SelectMode : std::int32_t { kRange = 0, kPosition = 1 };

enum class MouseButton { kLeft, kMiddle, kRight };

// Two corners of a rectangle in screen coordinates, both inside it; also
// the outline through them.
struct Corners {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
  bool operator==(const Corners&) const = default;
};

// The outline of a width × height rectangle around a point, covering exactly
// width × height pixels (an odd size puts the extra pixel right and below).
Corners PositionOutline(Point centre, std::int32_t width, std::int32_t height);

struct SelectedRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const SelectedRect&) const = default;
};

// The rectangle of a dragged range, in whichever direction it was dragged.
SelectedRect RangeRectangle(const Corners& result);

// What the window does after one event: invert these outlines in order (an
// outline inverted a second time is erased), then close when asked.
struct SelectionStep {
  std::vector<Corners> invert;
  bool close = false;
};

// One selection at a time, from the window's showing to its close.
class ScreenSelection {
 public:
  // Each showing: the mode and, for position mode, the size of the
  // rectangle; no outline, no result.
  void Begin(SelectMode mode, std::int32_t width, std::int32_t height);

  // The outline on the window now, which a repaint draws again.
  std::optional<Corners> Drawn() const { return drawn_; }
  // A paint: in position mode the outline appears at the cursor the first
  // time. The painter then draws Drawn() over the picture.
  void Paint(Point cursor);

  SelectionStep Press(MouseButton button, Point at);
  SelectionStep Move(Point at);
  SelectionStep Release(MouseButton button, Point at);

  // True once the mouse made the selection and closed the window; false
  // after a close by any other way (Esc, the system's close command), which
  // cancels.
  bool Chosen() const { return chosen_; }
  // The chosen rectangle's corners, in screen coordinates; nothing until
  // chosen, and when a range was pressed and released without being drawn.
  // Any corner may lie in column or row 0, or left of and above it.
  std::optional<Corners> SelectResult() const { return selectResult_; }
  // The selection was made with the right button: only fill in the values.
  bool CoordinatesOnly() const { return coordinatesOnly_; }
  bool Dragging() const { return dragging_; }

 private:
  // Erases the outline on the window (if any) and draws this one.
  void Redraw(SelectionStep& step, const Corners& outline);
  SelectionStep Finish(SelectionStep step);

  SelectMode mode_ = SelectMode::kRange;
  std::int32_t selectWidth_ = 0;
  std::int32_t selectHeight_ = 0;
  Point dragAnchor_;
  bool dragging_ = false;
  std::optional<Corners> drawn_;
  std::optional<Corners> selectResult_;
  bool coordinatesOnly_ = false;
  bool chosen_ = false;
};

// The result of a closed selection into the record. A range changes the
// whole rectangle, a position X and Y only; nothing changes when no
// rectangle was chosen. Returns whether the record changed. The target is
// not touched.
bool TakeSelection(CaptureState& state, SelectMode mode, const std::optional<Corners>& result);

}  // namespace nolb
