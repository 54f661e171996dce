// Keeping the panel's own windows out of screen captures: a window can ask
// the system to leave it out of every capture of the screen (the encoder's
// too) while the monitor still shows it, so that the preview does not
// mirror itself into the stream. Only Windows 10 version 2004 and later
// leave such a window out; earlier systems take the same request for
// another one and capture a black box in its place, so there the panel
// asks nothing and its windows are captured as they are.
#pragma once

#include <cstdint>
#include <optional>

namespace nolb {

struct SystemVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
};

// The values of SetWindowDisplayAffinity.
enum class DisplayAffinity : std::uint32_t {
  kNone = 0x00,                // shown and captured everywhere
  kExcludeFromCapture = 0x11,  // shown on the monitor only, left out of captures
};

bool CaptureExclusionSupported(const SystemVersion& system);

// What to ask for one window: nothing (it is no window of the panel, such
// as a marker or the selection, or the system cannot leave it out), or the
// affinity that follows the user's choice.
std::optional<DisplayAffinity> CaptureAffinityFor(bool excluded, bool panelWindow, const SystemVersion& system);

}  // namespace nolb
