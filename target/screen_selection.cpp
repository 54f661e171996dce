#include "target/screen_selection.h"

#include <algorithm>
#include <cstdlib>

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

SelectedRect RangeRectangle(const Corners& r) {
  return SelectedRect{std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::abs(r.x2 - r.x1) + 1,
                   std::abs(r.y2 - r.y1) + 1};
}

void ScreenSelection::Begin(SelectMode mode, std::int32_t width, std::int32_t height) {
  mode_ = mode;
  selectWidth_ = width;
  selectHeight_ = height;
  dragging_ = false;
  drawn_.reset();
  selectResult_.reset();
  chosen_ = false;
}

void ScreenSelection::Paint(Point cursor) {
  if (mode_ == SelectMode::kPosition && !drawn_) {
    drawn_ = PositionOutline(cursor, selectWidth_, selectHeight_);
  }
}

void ScreenSelection::Redraw(SelectionStep& step, const Corners& outline) {
  if (drawn_) step.invert.push_back(*drawn_);
  step.invert.push_back(outline);
  drawn_ = outline;
}

SelectionStep ScreenSelection::Finish(SelectionStep step) {
  // The outline goes before the window closes, so it never stays on the picture.
  if (drawn_) step.invert.push_back(*drawn_);
  selectResult_ = drawn_;
  drawn_.reset();
  dragging_ = false;
  chosen_ = true;
  step.close = true;
  return step;
}

SelectionStep ScreenSelection::Press(MouseButton button, Point at) {
  coordinatesOnly_ = button == MouseButton::kRight;
  SelectionStep step;
  if (mode_ == SelectMode::kPosition) {
    if (!drawn_) drawn_ = PositionOutline(at, selectWidth_, selectHeight_);
    return Finish(step);
  }
  // A second button pressed during a drag starts the range anew.
  if (drawn_) step.invert.push_back(*drawn_);
  drawn_.reset();
  dragging_ = true;
  dragAnchor_ = at;
  return step;
}

SelectionStep ScreenSelection::Move(Point at) {
  SelectionStep step;
  if (mode_ == SelectMode::kRange && !dragging_) return step;  // moves without a press draw nothing
  const Corners outline = mode_ == SelectMode::kPosition
                              ? PositionOutline(at, selectWidth_, selectHeight_)
                              : Corners{dragAnchor_.x, dragAnchor_.y, at.x, at.y};
  if (drawn_ != outline) Redraw(step, outline);
  return step;
}

SelectionStep ScreenSelection::Release(MouseButton, Point at) {
  // Only the release of a drag that began on this window ends it.
  if (mode_ != SelectMode::kRange || !dragging_) return {};
  // The range ends where the button comes up, also when the last move
  // before the release was not seen; a release at the press point without
  // any move draws nothing.
  SelectionStep step;
  if (drawn_ || at != dragAnchor_) step = Move(at);
  return Finish(step);
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
