#include "target/range_adjust.h"

#include <algorithm>
#include <limits>

#include "target/range_ratio.h"
#include "target/wrap32.h"

namespace nolb {
namespace {

constexpr std::int32_t kReach = kHandleSide / 2;

bool Near(std::int32_t a, std::int32_t b) { return std::max(a, b) - std::int64_t{std::min(a, b)} <= kReach; }

bool Between(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

Corners Normalized(const Corners& c) {
  return {std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2), std::max(c.y1, c.y2)};
}

// The middle of a span, both ends included.
std::int32_t Middle(std::int32_t low, std::int32_t high) {
  return static_cast<std::int32_t>(low + (std::int64_t{high} - low) / 2);
}

// The sides a grip moves: -1 the left (top), 1 the right (bottom), 0 none.
struct Sides {
  int x;
  int y;
};

Sides SidesOf(Grip grip) {
  switch (grip) {
    case Grip::kLeft: return {-1, 0};
    case Grip::kTop: return {0, -1};
    case Grip::kRight: return {1, 0};
    case Grip::kBottom: return {0, 1};
    case Grip::kTopLeft: return {-1, -1};
    case Grip::kTopRight: return {1, -1};
    case Grip::kBottomLeft: return {-1, 1};
    case Grip::kBottomRight: return {1, 1};
    default: return {0, 0};
  }
}

// A move by d that keeps both ends of the span inside 32 bits.
std::int64_t Limited(std::int64_t d, std::int32_t low, std::int32_t high) {
  return std::clamp<std::int64_t>(d, std::int64_t{std::numeric_limits<std::int32_t>::min()} - low,
                                  std::int64_t{std::numeric_limits<std::int32_t>::max()} - high);
}

Corners Moved(const Corners& r, std::int64_t dx, std::int64_t dy) {
  dx = Limited(dx, r.x1, r.x2);
  dy = Limited(dy, r.y1, r.y2);
  return {static_cast<std::int32_t>(r.x1 + dx), static_cast<std::int32_t>(r.y1 + dy),
          static_cast<std::int32_t>(r.x2 + dx), static_cast<std::int32_t>(r.y2 + dy)};
}

// The corner that stays while the sides move: opposite the moving ones,
// and the left and top where none moves.
Point StayingCorner(const Corners& r, Sides s) { return {s.x < 0 ? r.x2 : r.x1, s.y < 0 ? r.y2 : r.y1}; }

}  // namespace

std::array<WindowRect, 8> HandleSquares(const Corners& rect) {
  const Corners r = Normalized(rect);
  const std::int32_t mx = Middle(r.x1, r.x2), my = Middle(r.y1, r.y2);
  const std::array<Point, 8> centres = {{{r.x1, r.y1}, {r.x2, r.y1}, {r.x1, r.y2}, {r.x2, r.y2},
                                          {r.x1, my}, {mx, r.y1}, {r.x2, my}, {mx, r.y2}}};
  std::array<WindowRect, 8> squares;
  std::transform(centres.begin(), centres.end(), squares.begin(), [](Point c) {
    return WindowRect{Clamp32(std::int64_t{c.x} - kReach), Clamp32(std::int64_t{c.y} - kReach), kHandleSide,
                      kHandleSide};
  });
  return squares;
}

Grip GripAt(const Corners& rect, Point at) {
  const Corners r = Normalized(rect);
  const bool left = Near(at.x, r.x1), right = Near(at.x, r.x2);
  const bool top = Near(at.y, r.y1), bottom = Near(at.y, r.y2);
  if (left && top) return Grip::kTopLeft;
  if (right && top) return Grip::kTopRight;
  if (left && bottom) return Grip::kBottomLeft;
  if (right && bottom) return Grip::kBottomRight;
  const bool acrossX = Between(at.x, r.x1, r.x2), acrossY = Between(at.y, r.y1, r.y2);
  if (left && acrossY) return Grip::kLeft;
  if (right && acrossY) return Grip::kRight;
  if (top && acrossX) return Grip::kTop;
  if (bottom && acrossX) return Grip::kBottom;
  return acrossX && acrossY ? Grip::kInside : Grip::kOutside;
}

Corners ScreenOutline(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Point origin) {
  const std::int32_t left = Wrap32(std::int64_t{x} + origin.x), top = Wrap32(std::int64_t{y} + origin.y);
  return {left, top, Clamp32(std::int64_t{left} + std::max(width, 1) - 1),
          Clamp32(std::int64_t{top} + std::max(height, 1) - 1)};
}

Corners InTarget(const Corners& o, Point origin) {
  return {Wrap32(std::int64_t{o.x1} - origin.x), Wrap32(std::int64_t{o.y1} - origin.y),
          Wrap32(std::int64_t{o.x2} - origin.x), Wrap32(std::int64_t{o.y2} - origin.y)};
}

void RangeAdjust::Begin(const Corners& rect, std::optional<Size> ratio) {
  rect_ = Normalized(rect);
  ratio_ = ratio;
  grip_.reset();
}

void RangeAdjust::Press(Point at) {
  pressAt_ = at;
  start_ = rect_;
  grip_ = GripAt(rect_, at);
  left_ = false;
}

void RangeAdjust::Drag(Point at, bool keepRatio) {
  if (!grip_) return;
  left_ = left_ || at != pressAt_;
  const std::optional<Size> ratio = keepRatio ? ratio_ : std::nullopt;
  if (*grip_ == Grip::kInside) {
    rect_ = Moved(start_, std::int64_t{at.x} - pressAt_.x, std::int64_t{at.y} - pressAt_.y);
    return;
  }
  if (*grip_ == Grip::kOutside) {
    if (left_) rect_ = Normalized(ratio ? RatioCorners(pressAt_, at, *ratio) : Corners{pressAt_.x, pressAt_.y, at.x, at.y});
    return;
  }
  const Sides s = SidesOf(*grip_);
  const Point stays = StayingCorner(start_, s);
  const std::int64_t dx = std::int64_t{at.x} - pressAt_.x, dy = std::int64_t{at.y} - pressAt_.y;
  const Point moves{s.x == 0 ? start_.x2 : Clamp32((s.x < 0 ? start_.x1 : start_.x2) + dx),
                    s.y == 0 ? start_.y2 : Clamp32((s.y < 0 ? start_.y1 : start_.y2) + dy)};
  Corners c{stays.x, stays.y, moves.x, moves.y};
  if (ratio && s.x != 0 && s.y != 0) {
    c = RatioCorners(stays, moves, *ratio);
  } else if (ratio) {
    c = RatioCornersFromSide(stays, moves, s.x != 0, *ratio);
  }
  rect_ = Normalized(c);
}

void RangeAdjust::Nudge(std::int32_t dx, std::int32_t dy, bool resize) {
  if (grip_) return;
  if (!resize) {
    rect_ = Moved(rect_, dx, dy);
    return;
  }
  rect_.x2 = std::max(rect_.x1, Clamp32(std::int64_t{rect_.x2} + dx));
  rect_.y2 = std::max(rect_.y1, Clamp32(std::int64_t{rect_.y2} + dy));
}

bool RangeAdjust::CanKeepRatio() const {
  return ratio_ && grip_ && *grip_ != Grip::kInside && (*grip_ != Grip::kOutside || left_);
}

std::optional<Point> RangeAdjust::Anchor() const {
  if (!grip_) return std::nullopt;
  if (*grip_ == Grip::kOutside) return pressAt_;
  const Sides s = SidesOf(*grip_);
  if (s.x == 0 || s.y == 0) return std::nullopt;
  return StayingCorner(start_, s);
}

}  // namespace nolb
