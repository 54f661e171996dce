// The process's opt-outs of the system's power throttling. Windows 11
// lowers the timer resolution and the speed of a process none of whose
// windows can be seen (the panel minimised beside the encoder) unless the
// process opts out of each. Windows 10 knows the speed's switch only, and a
// request that names a switch the kernel does not know is refused as a
// whole: each switch is asked for on its own.
#pragma once

#include <cstdint>
#include <functional>

namespace nolb {

// The switches, as the system numbers them (PROCESS_POWER_THROTTLING_...).
inline constexpr std::uint32_t kThrottleExecutionSpeed = 0x1;
inline constexpr std::uint32_t kThrottleIgnoreTimerResolution = 0x4;

// One request to the system: the switches it controls and their state (a
// controlled switch whose state bit is clear is off). True when taken.
using ThrottlingRequest = std::function<bool(std::uint32_t controlMask, std::uint32_t stateMask)>;

// Asks for the speed and the timer resolution to be kept, one request each;
// returns the switches that the system took.
std::uint32_t OptOutOfPowerThrottling(const ThrottlingRequest& request);

}  // namespace nolb
