#include "hotkey/hotkey_value.h"

namespace nolb {
namespace {

// The hotkey edit's modifier flags, in the high byte of its word.
constexpr std::uint32_t kEditShift = 1;
constexpr std::uint32_t kEditCtrl = 2;
constexpr std::uint32_t kEditAlt = 4;

struct ModifierBits {
  std::uint32_t value;
  std::uint32_t edit;
};
constexpr ModifierBits kEditModifiers[] = {
    {kValueShift, kEditShift}, {kValueCtrl, kEditCtrl}, {kValueAlt, kEditAlt}};

}  // namespace

ShortCut SplitShortCut(std::uint32_t value) {
  ShortCut s;
  s.key = value & 0xFFF;
  if (value & kValueAlt) s.modifiers |= kModAlt;
  if (value & kValueCtrl) s.modifiers |= kModControl;
  if (value & kValueShift) s.modifiers |= kModShift;
  if (value & kValueWin) s.modifiers |= kModWin;
  return s;
}

std::int32_t HotKeyId(std::uint32_t key, std::uint32_t modifiers) {
  return static_cast<std::int32_t>((modifiers & 0xFF) * 256 + (key & 0xFF));
}

std::uint16_t EditableValue(std::uint32_t value) {
  return static_cast<std::uint16_t>(value & (0xFF | kValueShift | kValueCtrl | kValueAlt));
}

std::uint16_t ValueFromEditWord(std::uint32_t word) {
  std::uint32_t value = word & 0xFF;
  for (const auto& m : kEditModifiers) {
    if ((word >> 8) & m.edit) value |= m.value;
  }
  return static_cast<std::uint16_t>(value);
}

std::uint16_t EditWordFromValue(std::uint32_t value) {
  std::uint32_t word = value & 0xFF;
  for (const auto& m : kEditModifiers) {
    if (value & m.value) word |= m.edit << 8;
  }
  return static_cast<std::uint16_t>(word);
}

}  // namespace nolb
