#include "target/range_ratio.h"

#include <algorithm>
#include <numeric>

#include "target/wrap32.h"

namespace nolb {
namespace {

// Terms of a ratio are kept at most this large, so that a size times a term
// stays far inside 64 bits; only a ratio no edit would sensibly hold is
// rounded by it.
constexpr std::int32_t kTermLimit = 1 << 20;

// The pixels from one coordinate to another, both included.
std::int64_t Span(std::int32_t from, std::int32_t to) {
  return std::max(std::int64_t{from}, std::int64_t{to}) - std::min(std::int64_t{from}, std::int64_t{to}) + 1;
}

// The size that follows a decided one in the ratio num : den (the decided
// size's term last), to the nearest pixel and at least one.
std::int64_t Following(std::int64_t decided, std::int64_t num, std::int64_t den) {
  return std::max<std::int64_t>(1, (decided * num + den / 2) / den);
}

// The far coordinate of a span that starts at from and runs toward to
// (rightward or downward when to equals from).
std::int32_t Toward(std::int32_t from, std::int32_t to, std::int64_t span) {
  return Clamp32(to < from ? std::int64_t{from} - (span - 1) : std::int64_t{from} + (span - 1));
}

bool Valid(Size ratio) { return ratio.width > 0 && ratio.height > 0; }

}  // namespace

std::optional<Size> RatioOf(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const std::int32_t divisor = std::gcd(width, height);
  Size ratio{width / divisor, height / divisor};
  while (ratio.width > kTermLimit || ratio.height > kTermLimit) {
    ratio.width = ratio.width / 2 + ratio.width % 2;
    ratio.height = ratio.height / 2 + ratio.height % 2;
  }
  return ratio;
}

Corners RatioCorners(Point anchor, Point cursor, Size ratio) {
  if (!Valid(ratio)) return {anchor.x, anchor.y, cursor.x, cursor.y};
  std::int64_t width = Span(anchor.x, cursor.x);
  std::int64_t height = Span(anchor.y, cursor.y);
  if (width * ratio.height >= height * ratio.width) {
    height = Following(width, ratio.height, ratio.width);
  } else {
    width = Following(height, ratio.width, ratio.height);
  }
  return {anchor.x, anchor.y, Toward(anchor.x, cursor.x, width), Toward(anchor.y, cursor.y, height)};
}

Corners RatioCornersFromSide(Point anchor, Point cursor, bool widthDecides, Size ratio) {
  if (!Valid(ratio)) return {anchor.x, anchor.y, cursor.x, cursor.y};
  if (widthDecides) {
    const std::int64_t width = Span(anchor.x, cursor.x);
    return {anchor.x, anchor.y, Toward(anchor.x, cursor.x, width),
            Toward(anchor.y, anchor.y, Following(width, ratio.height, ratio.width))};
  }
  const std::int64_t height = Span(anchor.y, cursor.y);
  return {anchor.x, anchor.y, Toward(anchor.x, anchor.x, Following(height, ratio.width, ratio.height)),
          Toward(anchor.y, cursor.y, height)};
}

}  // namespace nolb
