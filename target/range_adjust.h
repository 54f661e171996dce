// The present capture rectangle adjusted where it stands on the frozen
// screen: outlined with eight handles, moved by dragging inside it or by
// the arrow keys, resized by dragging a handle or a side (the opposite
// corner or side stays) or with Ctrl and the arrow keys (its right or
// bottom side). A press outside it draws a new one from there. All points
// are screen coordinates.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "base/window_placement.h"
#include "base/window_system.h"
#include "target/selection_rect.h"

namespace nolb {

// What a press at a point takes hold of.
enum class Grip { kOutside, kInside, kLeft, kTop, kRight, kBottom, kTopLeft, kTopRight, kBottomLeft, kBottomRight };

// A handle is a square of this many pixels, centred on a corner of the
// outline or on the middle of one of its sides.
inline constexpr std::int32_t kHandleSide = 7;

// The eight handles: the corners (top-left, top-right, bottom-left,
// bottom-right), then the middles of the sides (left, top, right, bottom).
std::array<WindowRect, 8> HandleSquares(const Corners& rect);

// What lies under the point: a corner's handle before a side's, then a
// side within half a handle of its line, then the inside; else outside.
Grip GripAt(const Corners& rect, Point at);

// The outline of a rectangle in its target's coordinates shown on the
// screen, the target's client area starting at the origin; a size below
// one pixel is shown as one.
Corners ScreenOutline(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Point origin);

// An outline on the screen in the target's coordinates.
Corners InTarget(const Corners& outline, Point origin);

class RangeAdjust {
 public:
  // The rectangle (corners in any order) and the ratio that a resize keeps
  // while asked to, if any.
  void Begin(const Corners& rect, std::optional<Size> ratio);

  // A press takes hold of what lies under it.
  void Press(Point at);
  // The mouse at a point while held: inside moves the rectangle with it,
  // a handle or a side moves that corner or side (the rectangle may turn
  // over), and outside draws a new rectangle from the press once the mouse
  // has left its pixel. With keepRatio (and a ratio) a resize keeps the
  // ratio: of a corner's two sizes the larger decides, a side decides its
  // own, and the other size follows from the corner that stays.
  void Drag(Point at, bool keepRatio);
  void Release() { grip_.reset(); }

  // An arrow key: the rectangle moved, or with resize its right or bottom
  // side (never narrower or lower than one pixel). Not while held.
  void Nudge(std::int32_t dx, std::int32_t dy, bool resize);

  // Left and top first.
  const Corners& Rect() const { return rect_; }
  // What the mouse holds, if anything.
  std::optional<Grip> Held() const { return grip_; }
  // A resize is held and keepRatio would keep the ratio.
  bool CanKeepRatio() const;
  // The corner that stays while a corner is dragged or a new rectangle drawn.
  std::optional<Point> Anchor() const;

 private:
  Corners rect_;
  Corners start_;
  Point pressAt_;
  std::optional<Grip> grip_;
  bool left_ = false;  // the mouse has left the pixel it was pressed on
  std::optional<Size> ratio_;
};

}  // namespace nolb
