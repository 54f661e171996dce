// The target picker's frame: bands of three pixels inside the window's
// client area, inverted on the screen's device context, which counts each
// monitor's own pixels. The program is not aware of display scaling, so the
// client area comes in scaled pixels; it is mapped by the monitor it lies on
// alone. The system's own conversion is not asked: it converts with the
// scaling of the window it is given, which need not be on that monitor.
#pragma once

#include <cstdint>
#include <vector>

#include "base/monitor_geometry.h"

namespace nolb {

inline constexpr std::int32_t kPickerFrameThickness = 3;

// The top, bottom, left and right bands, in the screen's pixels, for a
// client area in screen coordinates: each pixel of the frame in one band,
// all inside the area (fewer bands for an area under six pixels high or
// wide); none for an empty area.
std::vector<WindowRect> PickerFrameBands(const std::vector<MonitorScaling>& monitors, const WindowRect& client);

}  // namespace nolb
