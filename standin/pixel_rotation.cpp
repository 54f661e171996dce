#include "pixel_rotation.h"

#include <algorithm>

namespace nolb::standin {

bool RotatePixels(std::span<const std::uint32_t> source, Size size, std::int32_t rotateType,
                  std::span<std::uint32_t> target) {
  if (size.width <= 0 || size.height <= 0) return true;
  const std::size_t w = static_cast<std::size_t>(size.width);
  const std::size_t h = static_cast<std::size_t>(size.height);
  if (source.size() < w * h || target.size() < w * h) return false;

  switch (QuarterTurns(rotateType)) {
    case 0:
      std::copy_n(source.begin(), w * h, target.begin());
      break;
    case 1:  // (x, y) -> (h - 1 - y, x); target rows are h wide
      for (std::size_t y = 0; y < h; ++y) {
        const std::uint32_t* row = source.data() + y * w;
        std::uint32_t* column = target.data() + (h - 1 - y);
        for (std::size_t x = 0; x < w; ++x) column[x * h] = row[x];
      }
      break;
    case 2:  // (x, y) -> (w - 1 - x, h - 1 - y)
      std::reverse_copy(source.begin(), source.begin() + w * h, target.begin());
      break;
    case 3:  // (x, y) -> (y, w - 1 - x); target rows are h wide
      for (std::size_t y = 0; y < h; ++y) {
        const std::uint32_t* row = source.data() + y * w;
        std::uint32_t* column = target.data() + (w - 1) * h + y;
        for (std::size_t x = 0; x < w; ++x) column[-static_cast<std::ptrdiff_t>(x * h)] = row[x];
      }
      break;
  }
  return true;
}

}  // namespace nolb::standin
