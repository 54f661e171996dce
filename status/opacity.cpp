#include "status/opacity.h"

#include <algorithm>

namespace nolb {

int OpacityPercent(int position) { return position * 100 / kMaximumOpacity; }

std::uint8_t VisibleOpacity(std::uint8_t opacity) {
  return static_cast<std::uint8_t>(std::max<int>(opacity, kMinimumOpacity));
}

}  // namespace nolb
