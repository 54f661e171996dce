#include "preview/power_throttling.h"

namespace nolb {

std::uint32_t OptOutOfPowerThrottling(const ThrottlingRequest& request) {
  std::uint32_t taken = 0;
  for (std::uint32_t flag : {kThrottleExecutionSpeed, kThrottleIgnoreTimerResolution}) {
    if (request(flag, 0)) taken |= flag;
  }
  return taken;
}

}  // namespace nolb
