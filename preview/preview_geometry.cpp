#include "preview/preview_geometry.h"

#include <limits>

namespace nolb {
namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kFrame = 2;  // one pixel on each side

std::int32_t PlusFrame(std::int32_t side) {
  std::int64_t sum = std::int64_t{side} + kFrame;
  return static_cast<std::int32_t>(sum > kInt32Max ? kInt32Max : sum);
}

}  // namespace

PixelSize PreviewWindowSize(std::int32_t pictureWidth, std::int32_t pictureHeight) {
  return {PlusFrame(pictureWidth), PlusFrame(pictureHeight)};
}

std::optional<std::int32_t> SurfaceImageSize(std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return std::nullopt;
  constexpr std::int64_t kBytesPerPixel = 32 / 8;
  // Both factors are below 2^31, so the product fits in 64 bits.
  std::int64_t pixels = std::int64_t{width} * height;
  if (pixels > kInt32Max / kBytesPerPixel) return std::nullopt;
  return static_cast<std::int32_t>(pixels * kBytesPerPixel);
}

}  // namespace nolb
