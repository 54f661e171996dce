// Where the captured picture lands in the destination of NOLB_BitBlt: the
// rotation of the picture and the fitting rules of the mode flags. The
// rules are written out in standin/README.md.
#pragma once

#include <array>
#include <cstdint>

namespace nolb::standin {

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The rotation index 0-3 turns the picture clockwise by that many quarter
// turns; any other value counts modulo 4 (4 is 0, -1 is 3).
int QuarterTurns(std::int32_t rotateType);

// The size of a w x h picture after the rotation.
Size RotatedSize(Size picture, std::int32_t rotateType);

// The part of the unrotated picture (of size `picture`) that ends up as
// `rotatedPart` of the rotated picture.
Rect UnrotatedRect(Rect rotatedPart, Size picture, std::int32_t rotateType);

struct FitMode {
  bool keepAspect = false;  // one scale for both axes
  bool shrink = false;      // a picture larger than the destination may be scaled down
  bool zoom = false;        // a picture smaller than the destination may be scaled up
};

// The outcome of fitting: `source` is the part of the (rotated) picture that
// is drawn, `destination` where it is drawn, relative to the destination's
// top-left corner. Both are empty when nothing can be drawn.
struct Placement {
  Rect source;
  Rect destination;
  friend bool operator==(const Placement&, const Placement&) = default;
};

Placement FitPicture(Size picture, Size destination, FitMode mode);

// The parts of a destination of the given size that `drawn` does not
// cover: top, bottom, left and right bars (the left and right ones span
// only the height of `drawn`). Unneeded bars are empty.
std::array<Rect, 4> UncoveredBars(Size destination, Rect drawn);

}  // namespace nolb::standin
