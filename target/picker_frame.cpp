#include "target/picker_frame.h"

namespace nolb {

std::vector<WindowRect> PickerFrameBands(const std::vector<MonitorScaling>& monitors, const WindowRect& client) {
  if (client.width <= 0 || client.height <= 0) return {};
  const WindowRect r = LogicalToPhysical(monitors, client);
  const std::int32_t t = kPickerFrameThickness;
  const std::int32_t right = r.left + r.width;
  const std::int32_t bottom = r.top + r.height;
  const std::int32_t innerHeight = r.height - 2 * t;
  return {{r.left, r.top, r.width, t},
          {r.left, bottom - t, r.width, t},
          {r.left, r.top + t, t, innerHeight},
          {right - t, r.top + t, t, innerHeight}};
}

}  // namespace nolb
