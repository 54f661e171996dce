// Positions worked out in 64 bits, so that no step overflows whatever size
// the user typed, and kept as 32-bit arithmetic would leave them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace nolb {

// The low 32 bits as a signed value.
inline std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// The nearest signed 32-bit value.
inline std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace nolb
