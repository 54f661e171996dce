// Window opacity as the opacity dialog shows it: a track bar from 32 to 255
// and the figure in percent beside it.
#pragma once

#include <cstdint>

namespace nolb {

inline constexpr int kMinimumOpacity = 32;  // the track bar's lowest position
inline constexpr int kMaximumOpacity = 255;

// The percentage label: position × 100 ÷ 255, truncated (255 → 100, 32 → 12).
int OpacityPercent(int position);

// An opacity kept within the track bar's range. A window's stored opacity
// goes through it before it is applied, so a hand-edited value can never
// make a window invisible.
std::uint8_t VisibleOpacity(std::uint8_t opacity);

}  // namespace nolb
