#include "target/picker_frame.h"

#include <algorithm>

namespace nolb {

std::vector<WindowRect> PickerFrameBands(const std::vector<MonitorScaling>& monitors, const WindowRect& client) {
  if (client.width <= 0 || client.height <= 0) return {};
  const WindowRect r = LogicalToPhysical(monitors, client);
  // An area thinner than two bands is framed by what fits: the bands never
  // reach past the area nor cover a pixel twice (inverting it back).
  const std::int32_t top = std::min(kPickerFrameThickness, r.height);
  const std::int32_t bottom = std::min(kPickerFrameThickness, r.height - top);
  const std::int32_t left = std::min(kPickerFrameThickness, r.width);
  const std::int32_t right = std::min(kPickerFrameThickness, r.width - left);
  const std::int32_t innerTop = r.top + top;
  const std::int32_t innerHeight = r.height - top - bottom;
  std::vector<WindowRect> bands{{r.left, r.top, r.width, top}};
  if (bottom > 0) bands.push_back({r.left, r.top + r.height - bottom, r.width, bottom});
  if (innerHeight > 0) {
    bands.push_back({r.left, innerTop, left, innerHeight});
    if (right > 0) bands.push_back({r.left + r.width - right, innerTop, right, innerHeight});
  }
  return bands;
}

}  // namespace nolb
