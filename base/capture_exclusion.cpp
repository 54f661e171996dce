#include "base/capture_exclusion.h"

namespace nolb {
namespace {

// Windows 10 version 2004.
constexpr std::uint32_t kFirstExcludingBuild = 19041;

}  // namespace

bool CaptureExclusionSupported(const SystemVersion& system) {
  if (system.major != 10) return system.major > 10;
  return system.minor > 0 || system.build >= kFirstExcludingBuild;
}

std::optional<DisplayAffinity> CaptureAffinityFor(bool excluded, bool panelWindow, const SystemVersion& system) {
  if (!panelWindow || !CaptureExclusionSupported(system)) return std::nullopt;
  return excluded ? DisplayAffinity::kExcludeFromCapture : DisplayAffinity::kNone;
}

}  // namespace nolb
