// Hotkey values: the 16-bit form in which a hotkey edit shows a key
// combination and the settings file keeps it (virtual-key code in the low
// byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt), and how it becomes the key
// code and modifier flags that a system-wide registration takes.
#pragma once

#include <cstdint>

namespace nolb {

// Modifier bits of a hotkey value.
inline constexpr std::uint32_t kValueShift = 0x2000;
inline constexpr std::uint32_t kValueCtrl = 0x4000;
inline constexpr std::uint32_t kValueAlt = 0x8000;
inline constexpr std::uint32_t kValueWin = 0x1000;

// Modifier flags of a registration, as the system numbers them.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

// Virtual-key codes of the function keys F1 and F12.
inline constexpr std::uint32_t kKeyF1 = 0x70;
inline constexpr std::uint32_t kKeyF12 = 0x7B;

struct ShortCut {
  std::uint32_t key = 0;        // virtual-key code
  std::uint32_t modifiers = 0;  // kMod... flags
  bool operator==(const ShortCut&) const = default;
};

// Key code = value & 0xFFF; the modifier bits become the kMod... flags.
ShortCut SplitShortCut(std::uint32_t value);

// The identifier of a registration: made from the combination alone,
// (modifiers & 0xFF) * 256 + (key & 0xFF).
std::int32_t HotKeyId(std::uint32_t key, std::uint32_t modifiers);

// What a hotkey edit keeps of a value: the key code's low byte and the
// Shift, Ctrl and Alt bits; every other bit is lost.
std::uint16_t EditableValue(std::uint32_t value);

// The hotkey edit's own word (key code in the low byte, its Shift 1, Ctrl 2,
// Alt 4 flags in the high byte) to a hotkey value, and back.
std::uint16_t ValueFromEditWord(std::uint32_t word);
std::uint16_t EditWordFromValue(std::uint32_t value);

}  // namespace nolb
