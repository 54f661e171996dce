#include "preview/frame_rate.h"

namespace nolb {

std::uint32_t FrameRatePeriod(std::int32_t index) {
  static constexpr std::array<std::uint32_t, kFrameRateItems.size()> kPeriods = {33,  66,  100,
                                                                                200, 333, 1000};
  if (index < 0 || static_cast<std::size_t>(index) >= kPeriods.size()) return 500;
  return kPeriods[static_cast<std::size_t>(index)];
}

}  // namespace nolb
