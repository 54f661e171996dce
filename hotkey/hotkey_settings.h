// Section "Hotkey" of the settings file: the hotkey dialog's place and, for
// each of its seven rows, the hotkey value and whether the row was registered.
// Read once when the dialog is created and written once when it is
// destroyed.
#pragma once

#include <array>
#include <cstdint>

#include "base/settings_store.h"

namespace nolb {

inline constexpr char kHotkeySection[] = "Hotkey";

// The dialog's rows, in the order of the section's keys: top to bottom,
// but for the row that adjusts the range, which came last and stands below
// "範囲指定".
enum HotkeyRow { kRowAutoMouse, kRowWindowGrab, kRowSetPos, kRowSetRange, kRowSelPos, kRowSelSize, kRowAdjustRange };
inline constexpr int kHotkeyRowCount = 7;

struct HotkeyRowInfo {
  const char* key;               // the value's key; the flag's key adds "Registered"
  std::uint16_t designedValue;   // the edit's value as designed
};
// F9, F10, F9, F10, F1, F5, F11: of each pair sharing a key only one can
// be registered with the designed values.
inline constexpr std::array<HotkeyRowInfo, kHotkeyRowCount> kHotkeyRows = {{
    {"HotKeyAutoMouse", 120},
    {"HotKeyTarget", 121},
    {"HotKeySetPos", 120},
    {"HotKeySetRange", 121},
    {"HotKeySelectPos", 112},
    {"HotKeySelectSize", 116},
    {"HotKeyAdjustRange", 122},
}};

struct HotkeyRowSetting {
  std::uint16_t value = 0;  // as the edit keeps it
  bool registered = false;
  bool operator==(const HotkeyRowSetting&) const = default;
};

struct HotkeySettings {
  static constexpr std::int32_t kDefaultTop = 32;
  static constexpr std::int32_t kDefaultLeft = 32;

  std::int32_t top = kDefaultTop;
  std::int32_t left = kDefaultLeft;
  std::array<HotkeyRowSetting, kHotkeyRowCount> rows = Designed();

  static std::array<HotkeyRowSetting, kHotkeyRowCount> Designed();
  bool operator==(const HotkeySettings&) const = default;
};

// Missing keys and values that are no integer give the defaults; a stored
// hotkey value is taken modulo 65536 and keeps only what the edit keeps.
HotkeySettings ReadHotkeySettings(SettingsStore& store);

// Top, Left, then each row's value and flag, in row order. The first key
// that cannot be written raises Error and ends the writing.
void WriteHotkeySettings(SettingsStore& store, const HotkeySettings& settings);

}  // namespace nolb
