#include "hotkey/hotkey_settings.h"

#include <string>

#include "hotkey/hotkey_value.h"

namespace nolb {
namespace {

std::string FlagKey(const HotkeyRowInfo& row) { return std::string(row.key) + "Registered"; }

}  // namespace

std::array<HotkeyRowSetting, kHotkeyRowCount> HotkeySettings::Designed() {
  std::array<HotkeyRowSetting, kHotkeyRowCount> rows{};
  for (int i = 0; i < kHotkeyRowCount; ++i) rows[i].value = kHotkeyRows[i].designedValue;
  return rows;
}

HotkeySettings ReadHotkeySettings(SettingsStore& store) {
  HotkeySettings s;
  s.top = ReadInteger(store, kHotkeySection, "Top", HotkeySettings::kDefaultTop);
  s.left = ReadInteger(store, kHotkeySection, "Left", HotkeySettings::kDefaultLeft);
  for (int i = 0; i < kHotkeyRowCount; ++i) {
    const HotkeyRowInfo& row = kHotkeyRows[i];
    auto stored = static_cast<std::uint32_t>(
        ReadInteger(store, kHotkeySection, row.key, row.designedValue));
    s.rows[i].value = EditableValue(stored & 0xFFFF);
    s.rows[i].registered = ReadFlag(store, kHotkeySection, FlagKey(row), false);
  }
  return s;
}

void WriteHotkeySettings(SettingsStore& store, const HotkeySettings& s) {
  WriteInteger(store, kHotkeySection, "Top", s.top);
  WriteInteger(store, kHotkeySection, "Left", s.left);
  for (int i = 0; i < kHotkeyRowCount; ++i) {
    const HotkeyRowInfo& row = kHotkeyRows[i];
    WriteInteger(store, kHotkeySection, row.key, s.rows[i].value);
    WriteFlag(store, kHotkeySection, FlagKey(row), s.rows[i].registered);
  }
}

}  // namespace nolb
