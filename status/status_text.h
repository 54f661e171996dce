// The figures of the main window's status line and the blinking of the
// capture-range markers, all refreshed by the 330 ms animation tick. Texts
// are UTF-8 and always use "." as the decimal point, whatever the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nolb {

// Video memory in use, in MiB with one decimal: "64.5MB". A record that
// reports more free than total memory says nothing sound about the use and
// gives no text, like a failed read: the label keeps its last figure.
std::optional<std::string> VideoMemoryText(std::uint32_t totalBytes, std::uint32_t freeBytes);

// The library's processing time, given in seconds, as milliseconds with two
// decimals: "12.50ms". Shown as it comes, also when it is negative or no
// number.
std::string ProcessingTimeText(double seconds);

// "○" while the hook works inside the encoder, else "×".
std::string_view HookMark(bool hooked);

// The animation phase alternates between 0 and 1 on every tick, whether or
// not the markers are shown.
int NextAnimationPhase(int phase);

// The picture marker window 0-3 shows in a phase.
int MarkerImageIndex(int phase, int marker);

}  // namespace nolb
