// The preview's frame-rate choices: the items of the settings dialog's list
// and the timer period each stands for.
#pragma once

#include <array>
#include <cstdint>

namespace nolb {

inline constexpr std::array<const char*, 6> kFrameRateItems = {"30fps", "15fps", "10fps",
                                                              "5fps",  "3fps",  "1fps"};

// The frame-rate index used when the settings file has none: "3fps".
inline constexpr std::int32_t kDefaultFrameRateIndex = 4;

// The timer period in milliseconds for a list index. Any index outside the
// list (no selection is -1) gives 500 ms.
std::uint32_t FrameRatePeriod(std::int32_t index);

}  // namespace nolb
