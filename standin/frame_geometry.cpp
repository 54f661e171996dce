#include "frame_geometry.h"

#include <algorithm>

namespace nolb::standin {

namespace {

// A scale factor as the exact fraction numerator / denominator.
struct Scale {
  std::int64_t numerator = 1;
  std::int64_t denominator = 1;
  bool Above1() const { return numerator > denominator; }
  bool Below1() const { return numerator < denominator; }
};

// The scale is kept at 1:1 where the mode forbids the change.
Scale Allowed(Scale wanted, FitMode mode) {
  if ((wanted.Above1() && !mode.zoom) || (wanted.Below1() && !mode.shrink)) return Scale{};
  return wanted;
}

std::int32_t Scaled(std::int32_t length, Scale scale) {
  const std::int64_t value =
      (length * scale.numerator + scale.denominator / 2) / scale.denominator;
  return static_cast<std::int32_t>(std::max<std::int64_t>(value, 1));
}

// One axis: the scaled picture is centred; where it is larger than the
// destination (only ever at 1:1), the middle of the picture is shown.
void PlaceAxis(std::int32_t picture, std::int32_t destination, Scale scale,
               std::int32_t& sourceStart, std::int32_t& sourceLength,
               std::int32_t& destinationStart, std::int32_t& destinationLength) {
  const std::int32_t scaled = std::min(Scaled(picture, scale), destination);
  destinationLength = scaled;
  destinationStart = (destination - scaled) / 2;
  if (scaled == Scaled(picture, scale)) {
    sourceStart = 0;
    sourceLength = picture;
  } else {
    // Cropped: the visible part, measured back in picture pixels.
    sourceLength = std::max<std::int32_t>(
        1, static_cast<std::int32_t>(scaled * scale.denominator / scale.numerator));
    sourceLength = std::min(sourceLength, picture);
    sourceStart = (picture - sourceLength) / 2;
  }
}

}  // namespace

int QuarterTurns(std::int32_t rotateType) { return ((rotateType % 4) + 4) % 4; }

Size RotatedSize(Size picture, std::int32_t rotateType) {
  if (QuarterTurns(rotateType) % 2 == 1) return {picture.height, picture.width};
  return picture;
}

Rect UnrotatedRect(Rect r, Size picture, std::int32_t rotateType) {
  const std::int32_t w = picture.width;
  const std::int32_t h = picture.height;
  switch (QuarterTurns(rotateType)) {
    case 1:  // picture (x, y) lands at (h - 1 - y, x)
      return {r.y, h - r.x - r.width, r.height, r.width};
    case 2:  // (x, y) lands at (w - 1 - x, h - 1 - y)
      return {w - r.x - r.width, h - r.y - r.height, r.width, r.height};
    case 3:  // (x, y) lands at (y, w - 1 - x)
      return {w - r.y - r.height, r.x, r.height, r.width};
    default:
      return r;
  }
}

Placement FitPicture(Size picture, Size destination, FitMode mode) {
  if (picture.width <= 0 || picture.height <= 0 || destination.width <= 0 ||
      destination.height <= 0) {
    return {};
  }
  Scale horizontal{destination.width, picture.width};
  Scale vertical{destination.height, picture.height};
  if (mode.keepAspect) {
    // The smaller of the two ratios fits the whole picture.
    const bool widthLimits = std::int64_t{destination.width} * picture.height <=
                             std::int64_t{destination.height} * picture.width;
    horizontal = vertical = widthLimits ? horizontal : vertical;
  }
  horizontal = Allowed(horizontal, mode);
  vertical = Allowed(vertical, mode);

  Placement placement;
  PlaceAxis(picture.width, destination.width, horizontal, placement.source.x,
            placement.source.width, placement.destination.x, placement.destination.width);
  PlaceAxis(picture.height, destination.height, vertical, placement.source.y,
            placement.source.height, placement.destination.y, placement.destination.height);
  return placement;
}

std::array<Rect, 4> UncoveredBars(Size destination, Rect drawn) {
  if (drawn.Empty()) return {Rect{0, 0, destination.width, destination.height}, {}, {}, {}};
  const std::int32_t bottom = drawn.y + drawn.height;
  const std::int32_t right = drawn.x + drawn.width;
  return {Rect{0, 0, destination.width, drawn.y},
          Rect{0, bottom, destination.width, destination.height - bottom},
          Rect{0, drawn.y, drawn.x, drawn.height},
          Rect{right, drawn.y, destination.width - right, drawn.height}};
}

}  // namespace nolb::standin
