#include "target/screen_selection.h"

#include <algorithm>
#include <cstdlib>

#include "target/range_ratio.h"
#include "target/selection_layout.h"
#include "target/wrap32.h"

namespace nolb {

Corners PositionOutline(Point centre, std::int32_t width, std::int32_t height) {
  // Halves round toward zero; the far corner takes what is left over. In
  // 64 bits: a typed size near the 32-bit limits overflows no step.
  const std::int64_t left = width / 2;
  const std::int64_t top = height / 2;
  return Corners{Wrap32(centre.x - left), Wrap32(centre.y - top),
                 Wrap32(centre.x + std::int64_t{width} - 1 - left),
                 Wrap32(centre.y + std::int64_t{height} - 1 - top)};
}

namespace {

Corners CornersOf(const WindowRect& r) {
  return {r.left, r.top, Wrap32(std::int64_t{r.left} + r.width - 1), Wrap32(std::int64_t{r.top} + r.height - 1)};
}

}  // namespace

void ScreenSelection::Begin(SelectMode mode, std::int32_t width, std::int32_t height, Point cursor,
                            WindowSnapshot windows, const SelectionStart& start) {
  mode_ = mode;
  start_ = start;
  ratioHeld_ = false;
  adjust_.Begin(start.present, start.ratio);
  selectWidth_ = width;
  selectHeight_ = height;
  windows_ = std::move(windows);
  cursor_ = cursor;
  steps_.clear();
  dragging_ = false;
  snapping_ = false;
  snapArea_.reset();
  outline_.reset();
  if (mode == SelectMode::kPosition) outline_ = PositionOutline(cursor, width, height);
  selectResult_.reset();
  resultMode_ = mode;
  chosen_ = false;
}

void ScreenSelection::SetSnapping(bool held) {
  snapping_ = held;
  FindSnapArea();
}

void ScreenSelection::FindSnapArea() {
  snapArea_.reset();
  if (snapping_ && !dragging_ && mode_ != SelectMode::kAdjust) snapArea_ = SnapAreaAt(windows_, cursor_);
}

void ScreenSelection::SetRatioHeld(bool held) {
  if (held == ratioHeld_) return;
  ratioHeld_ = held;
  // What is being dragged takes the ratio, or leaves it, at once.
  if (outline_ || adjust_.Held()) MoveTo(cursor_);
}

bool ScreenSelection::Finish(std::optional<Corners> result, SelectMode mode) {
  adjust_.Release();
  selectResult_ = result;
  resultMode_ = mode;
  outline_.reset();
  snapArea_.reset();
  dragging_ = false;
  chosen_ = true;
  return true;
}

bool ScreenSelection::Press(MouseButton button, Point at) {
  coordinatesOnly_ = button == MouseButton::kRight;
  cursor_ = at;
  if (mode_ == SelectMode::kAdjust) {
    adjust_.Press(at);
    return false;
  }
  FindSnapArea();
  if (snapArea_) return Finish(CornersOf(*snapArea_), SelectMode::kRange);
  // The rectangle shown is the one placed, also when the last move before
  // the press was not seen.
  if (mode_ == SelectMode::kPosition) return Finish(outline_, SelectMode::kPosition);
  outline_.reset();
  dragging_ = true;
  dragAnchor_ = at;
  return false;
}

void ScreenSelection::Move(Point at) {
  if (std::find(steps_.begin(), steps_.end(), at) != steps_.end()) return;
  steps_.clear();
  MoveTo(at);
}

Point ScreenSelection::Step(std::int32_t dx, std::int32_t dy, const std::vector<WindowRect>& monitors) {
  constexpr size_t kStepsKept = 64;
  const Point to = StepCursor(cursor_, dx, dy, monitors);
  if (steps_.empty()) steps_.push_back(cursor_);
  if (steps_.size() == kStepsKept) steps_.erase(steps_.begin());
  steps_.push_back(to);
  MoveTo(to);
  return to;
}

void ScreenSelection::MoveTo(Point at) {
  cursor_ = at;
  FindSnapArea();
  if (mode_ == SelectMode::kPosition) {
    outline_ = PositionOutline(at, selectWidth_, selectHeight_);
  } else if (mode_ == SelectMode::kAdjust) {
    adjust_.Drag(at, ratioHeld_);
  } else if (dragging_) {
    outline_ = ratioHeld_ && start_.ratio ? RatioCorners(dragAnchor_, at, *start_.ratio)
                                          : Corners{dragAnchor_.x, dragAnchor_.y, at.x, at.y};
  }
}

bool ScreenSelection::Release(Point at) {
  // The rectangle adjusted is chosen by Enter or a double click only.
  if (mode_ == SelectMode::kAdjust) {
    if (!chosen_) MoveTo(at);
    adjust_.Release();
    return false;
  }
  // Only the release of a range being dragged ends it.
  if (mode_ != SelectMode::kRange || !dragging_) return false;
  // The range ends where the button comes up, also when the last move
  // before the release was not seen; a release at the press point without
  // any move chooses no range.
  if (outline_ || at != dragAnchor_) MoveTo(at);
  return Finish(outline_, SelectMode::kRange);
}

bool ScreenSelection::Enter(bool coordinatesOnly, Point at) {
  if (mode_ == SelectMode::kAdjust) {
    coordinatesOnly_ = coordinatesOnly;
    return Finish(adjust_.Rect(), SelectMode::kRange);
  }
  if (mode_ == SelectMode::kRange && dragging_) {
    coordinatesOnly_ = coordinatesOnly_ || coordinatesOnly;
    return Release(at);
  }
  // In position mode the rectangle is placed around the cursor.
  if (mode_ == SelectMode::kPosition) MoveTo(at);
  return Press(coordinatesOnly ? MouseButton::kRight : MouseButton::kLeft, at);
}

void ScreenSelection::Nudge(std::int32_t dx, std::int32_t dy, bool resize) {
  if (mode_ == SelectMode::kAdjust) adjust_.Nudge(dx, dy, resize);
}

bool ScreenSelection::DoubleClick(MouseButton button) {
  if (mode_ != SelectMode::kAdjust || chosen_) return false;
  coordinatesOnly_ = button == MouseButton::kRight;
  return Finish(adjust_.Rect(), SelectMode::kRange);
}

std::optional<Corners> ScreenSelection::Outline() const {
  if (mode_ == SelectMode::kAdjust && !chosen_) return adjust_.Rect();
  return snapArea_ ? CornersOf(*snapArea_) : outline_;
}

std::optional<Point> ScreenSelection::DragAnchor() const {
  if (mode_ == SelectMode::kAdjust) return adjust_.Anchor();
  if (!dragging_) return std::nullopt;
  return dragAnchor_;
}

std::optional<SelectedRect> ScreenSelection::Pending() const {
  if (snapArea_) return SelectedRect{snapArea_->left, snapArea_->top, snapArea_->width, snapArea_->height};
  if (mode_ == SelectMode::kPosition && outline_) {
    return SelectedRect{outline_->x1, outline_->y1, selectWidth_, selectHeight_};
  }
  if (mode_ == SelectMode::kAdjust) return RangeRectangle(InTarget(adjust_.Rect(), start_.origin));
  if (dragging_) return RangeRectangle(outline_.value_or(Corners{dragAnchor_.x, dragAnchor_.y, cursor_.x, cursor_.y}));
  return std::nullopt;
}

std::optional<Size> ScreenSelection::LockedRatio() const {
  const bool resizing = mode_ == SelectMode::kAdjust ? adjust_.CanKeepRatio() : dragging_;
  if (!ratioHeld_ || !resizing) return std::nullopt;
  return start_.ratio;
}

std::vector<WindowRect> ScreenSelection::Handles() const {
  if (mode_ != SelectMode::kAdjust || chosen_) return {};
  const auto squares = HandleSquares(adjust_.Rect());
  return {squares.begin(), squares.end()};
}

std::optional<Grip> ScreenSelection::GripUnderCursor() const {
  if (mode_ != SelectMode::kAdjust) return std::nullopt;
  return adjust_.Held() ? adjust_.Held() : GripAt(adjust_.Rect(), cursor_);
}

bool TakeSelection(CaptureState& state, SelectMode mode, const std::optional<Corners>& result) {
  if (!result) return false;
  if (mode == SelectMode::kPosition) {
    state.Update([&](CaptureSettings& s, DesktopRect&) {
      s.x = result->x1;
      s.y = result->y1;
    });
    return true;
  }
  const SelectedRect range = RangeRectangle(*result);
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.x = range.x;
    s.y = range.y;
    s.width = range.width;
    s.height = range.height;
  });
  return true;
}

}  // namespace nolb
