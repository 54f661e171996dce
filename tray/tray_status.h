// What the icon in the notification area tells at a glance: its picture
// follows the state of the redirection, its tooltip names the state and the
// target with its rectangle. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nolb {

enum class TrayPicture : std::uint8_t {
  kHooked,   // redirecting, and the hook works inside a running encoder
  kWaiting,  // redirecting, but no encoder has the hook yet
  kOff,      // the redirection is off: the encoder captures its own area
};

TrayPicture TrayPictureFor(bool redirectionOn, bool hooked);

// The state as the icon shows it.
struct TrayStatus {
  bool redirectionOn = false;
  bool hooked = false;
  std::string targetCaption;  // as the caption box shows it: "Desktop", "title (class)"
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool operator==(const TrayStatus&) const = default;
};

// The notification area keeps at most this many UTF-16 units of a tooltip.
inline constexpr std::size_t kTrayTooltipUnits = 127;

// Three lines: "NOLB", the state, the target with its rectangle
// ("Desktop (0, 0, 320 × 240)"). A long caption is cut so that the whole
// fits in kTrayTooltipUnits.
std::string TrayTooltip(const TrayStatus& status);

// The text, or as much of it from its start as fits in maxUnits UTF-16
// units with "…" after it, cut between characters.
std::string FitUtf16Units(std::string_view utf8, std::size_t maxUnits);

// The side in pixels of the icon that the notification area draws on the
// primary monitor, from its width in Windows' scaled pixels and in its
// display mode's: the small icon's 16 pixels at the monitor's scaling, from
// 16 (100 %) to 32 (200 %). A program that is not aware of the scaling sees
// 16 pixels as the small icon's size at any scaling; an icon of that size
// would be stretched, blurred, at 150 %.
int TrayIconSide(std::int32_t logicalWidth, std::int32_t physicalWidth);

}  // namespace nolb
