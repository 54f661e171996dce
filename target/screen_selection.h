// Choosing the capture rectangle on a frozen picture of the screen: a range
// dragged with the mouse or the keyboard, a rectangle of fixed size placed
// with a click or Enter, or with Ctrl the client area of the window under
// the cursor. The selection windows feed their mouse and key events in here
// and draw the outline it shows; the main window takes the result into the
// capture settings record. All points are screen coordinates.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/capture_settings.h"
#include "base/window_placement.h"
#include "base/window_system.h"
#include "target/range_adjust.h"
#include "target/selection_rect.h"
#include "target/window_snapshot.h"

namespace nolb {

// kAdjust: the present rectangle moved and resized where it stands.
enum class SelectMode : std::int32_t { kRange = 0, kPosition = 1, kAdjust = 2 };

enum class MouseButton { kLeft, kMiddle, kRight };

// The outline of a width × height rectangle around a point, covering exactly
// width × height pixels (an odd size puts the extra pixel right and below).
Corners PositionOutline(Point centre, std::int32_t width, std::int32_t height);

// What a selection starts from besides its mode: the ratio that Shift keeps
// while a range is drawn or resized, and to adjust, the present rectangle
// on the screen and the screen point of its target's client origin, to
// which the numbers the edits get are relative.
struct SelectionStart {
  std::optional<Size> ratio{};
  Corners present{};
  Point origin{};
};

// One selection at a time, from the windows' showing to their close.
class ScreenSelection {
 public:
  // Each showing: the mode, the size of the rectangle placed in position
  // mode, where the cursor is (a position outline stands around it at once)
  // and the windows on the screen for Ctrl; no result.
  void Begin(SelectMode mode, std::int32_t width, std::int32_t height, Point cursor,
             WindowSnapshot windows = {}, const SelectionStart& start = {});

  // Ctrl is held (true) or not. While it is, and no range is being
  // dragged, the outline is the window area under the cursor, and a press
  // or Enter takes it.
  void SetSnapping(bool held);
  // Shift is held (true) or not: a range being drawn, or resized in adjust
  // mode, keeps the ratio (see target/range_ratio.h) while it is.
  void SetRatioHeld(bool held);

  // The events; each returns true when it made the selection, and the
  // windows close. A press in range mode starts the range (a second press
  // during a drag starts it anew), its release ends it, wherever that is;
  // in position mode the press places the rectangle shown.
  bool Press(MouseButton button, Point at);
  // A mouse move. Since the arrow keys last moved the cursor, one to where
  // they took it, or to where it stood before them, is no move of the
  // user's: the system may report the steps of the keys as mouse moves late
  // and out of order (it does under Wine, where moving the pointer is
  // asynchronous), and a move of the user's is seen at its next pixel.
  void Move(Point at);
  bool Release(Point at);
  // An arrow key: the cursor a step from where it is now, on the monitors
  // (see StepCursor). Returns where to put the system's cursor.
  Point Step(std::int32_t dx, std::int32_t dy, const std::vector<WindowRect>& monitors);
  // Enter at the cursor: the left button (with Shift the right one) pressed
  // there; in range mode a second Enter ends the range there. Shift on
  // either Enter only fills in the values.
  bool Enter(bool coordinatesOnly, Point at);
  // In adjust mode: an arrow key moves the rectangle, with resize its
  // right or bottom side; a double click makes the selection, the right
  // button's only filling in. Elsewhere nothing (false).
  void Nudge(std::int32_t dx, std::int32_t dy, bool resize);
  bool DoubleClick(MouseButton button);

  // The outline to show now, if any.
  std::optional<Corners> Outline() const;
  // The outline is the window area under the cursor.
  bool Snapped() const { return snapArea_.has_value(); }
  // Where the last event put the cursor.
  Point Cursor() const { return cursor_; }
  // Where the range being dragged began.
  std::optional<Point> DragAnchor() const;
  // The numbers the edits would get if the selection were made now: the
  // range being dragged, the placed rectangle (position mode: its size is
  // the present one) or the window area; nothing while no range is dragged.
  std::optional<SelectedRect> Pending() const;
  // The ratio kept now, in lowest terms: Shift is held while a range is
  // drawn or resized.
  std::optional<Size> LockedRatio() const;
  // In adjust mode: the handles to show, and what the mouse holds or would
  // take at the cursor; nothing elsewhere.
  std::vector<WindowRect> Handles() const;
  std::optional<Grip> GripUnderCursor() const;
  SelectMode Mode() const { return mode_; }

  // True once an event made the selection; false after a close by any other
  // way (Esc, the system's close command), which cancels.
  bool Chosen() const { return chosen_; }
  // The chosen rectangle's corners; nothing until chosen, and when a range
  // was pressed and released in place without being drawn. Any corner may
  // lie in column or row 0, or left of and above it.
  std::optional<Corners> SelectResult() const { return selectResult_; }
  // How the result is taken: a window area replaces the whole rectangle,
  // as a range does, in either mode.
  SelectMode ResultMode() const { return resultMode_; }
  // The selection was made with the right button or Shift+Enter: only fill
  // in the values.
  bool CoordinatesOnly() const { return coordinatesOnly_; }
  // A range is being dragged, or the mouse holds the rectangle adjusted.
  bool Dragging() const { return dragging_ || adjust_.Held().has_value(); }

 private:
  void MoveTo(Point at);
  void FindSnapArea();
  bool Finish(std::optional<Corners> result, SelectMode mode);

  SelectMode mode_ = SelectMode::kRange;
  std::int32_t selectWidth_ = 0;
  std::int32_t selectHeight_ = 0;
  SelectionStart start_;
  RangeAdjust adjust_;
  bool ratioHeld_ = false;
  WindowSnapshot windows_;
  Point cursor_;
  // Where the arrow keys took the cursor since the last move of the user's,
  // and where it was before them; the latest few.
  std::vector<Point> steps_;
  Point dragAnchor_;
  bool dragging_ = false;
  bool snapping_ = false;
  // The outline of the range or of the placed rectangle, and the window
  // area that Ctrl shows instead.
  std::optional<Corners> outline_;
  std::optional<WindowRect> snapArea_;
  std::optional<Corners> selectResult_;
  SelectMode resultMode_ = SelectMode::kRange;
  bool coordinatesOnly_ = false;
  bool chosen_ = false;
};

// The result of a closed selection into the record. A range changes the
// whole rectangle, a position X and Y only; nothing changes when no
// rectangle was chosen. Returns whether the record changed. The target is
// not touched.
bool TakeSelection(CaptureState& state, SelectMode mode, const std::optional<Corners>& result);

}  // namespace nolb
