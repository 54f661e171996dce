#include "tray/tray_status.h"

#include <algorithm>

#include "base/integer_text.h"

namespace nolb {
namespace {

constexpr char kEllipsis[] = "…";
constexpr std::size_t kEllipsisUnits = 1;
constexpr int kSmallIconSide = 16;
constexpr int kLargestTraySide = 32;

// The length in bytes of the UTF-8 sequence that starts with this byte; a
// stray continuation byte counts alone.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::string_view StateText(TrayPicture picture) {
  switch (picture) {
    case TrayPicture::kHooked:
      return "差し替え: 有効 (Hook : ○)";
    case TrayPicture::kWaiting:
      return "差し替え: 有効 (Hook : ×)";
    case TrayPicture::kOff:
      break;
  }
  return "差し替え: 無効";
}

std::size_t Utf16Units(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
    units += length == 4 ? 2 : 1;  // beyond the basic plane: a surrogate pair
    i += length;
  }
  return units;
}

}  // namespace

TrayPicture TrayPictureFor(bool redirectionOn, bool hooked) {
  if (!redirectionOn) return TrayPicture::kOff;
  return hooked ? TrayPicture::kHooked : TrayPicture::kWaiting;
}

std::string FitUtf16Units(std::string_view utf8, std::size_t maxUnits) {
  if (Utf16Units(utf8) <= maxUnits) return std::string(utf8);
  if (maxUnits < kEllipsisUnits) return {};
  const std::size_t room = maxUnits - kEllipsisUnits;
  std::size_t units = 0;
  std::size_t end = 0;
  while (end < utf8.size()) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[end]));
    const std::size_t more = length == 4 ? 2 : 1;
    if (units + more > room || end + length > utf8.size()) break;
    units += more;
    end += length;
  }
  return std::string(utf8.substr(0, end)) + kEllipsis;
}

std::string TrayTooltip(const TrayStatus& s) {
  const std::string head =
      "NOLB\n" + std::string(StateText(TrayPictureFor(s.redirectionOn, s.hooked))) + "\n";
  const std::string rectangle = " (" + IntegerText(s.x) + ", " + IntegerText(s.y) + ", " +
                                IntegerText(s.width) + " × " + IntegerText(s.height) + ")";
  const std::size_t used = Utf16Units(head) + Utf16Units(rectangle);
  const std::size_t room = kTrayTooltipUnits > used ? kTrayTooltipUnits - used : 0;
  return head + FitUtf16Units(s.targetCaption, room) + rectangle;
}

int TrayIconSide(std::int32_t logicalWidth, std::int32_t physicalWidth) {
  if (logicalWidth <= 0 || physicalWidth <= 0) return kSmallIconSide;
  const std::int64_t side =
      (std::int64_t{2} * kSmallIconSide * physicalWidth + logicalWidth) / (std::int64_t{2} * logicalWidth);
  return static_cast<int>(std::clamp<std::int64_t>(side, kSmallIconSide, kLargestTraySide));
}

}  // namespace nolb
