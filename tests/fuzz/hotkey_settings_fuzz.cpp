// Section "Hotkey" of the settings file, read when the hotkey dialog is made
// (properties: section_check.h), and the hotkey value conversion that turns
// each stored value into a registration. Besides:
// - a value splits into its key code and the Alt, Ctrl and Shift flags that
//   its bits hold, and the registration's identifier gives both back;
// - a value survives the hotkey edit's word and back;
// - a key run starts at the chosen key and holds four different keys;
// - any number, as an edit's word, gives a value the edit keeps, whose word
//   is the edit word's low byte and three modifier flags;
// - the dialog lands where the user can reach it.
#include <set>

#include "hotkey/hot_key.h"
#include "hotkey/hotkey_settings.h"
#include "hotkey/hotkey_value.h"
#include "tests/fuzz/section_check.h"

namespace nolb::fuzz {
namespace {

const std::vector<SectionKey>& HotkeyKeys() {
  static const std::vector<SectionKey> keys = [] {
    std::vector<SectionKey> keys = {{"Top", KeyRule::kInteger, HotkeySettings::kDefaultTop},
                                    {"Left", KeyRule::kInteger, HotkeySettings::kDefaultLeft}};
    for (const HotkeyRowInfo& row : kHotkeyRows) {
      keys.push_back({row.key, KeyRule::kHotkeyValue, row.designedValue});
      keys.push_back({std::string(row.key) + "Registered", KeyRule::kFlag, 0});
    }
    return keys;
  }();
  return keys;
}

void CheckValue(std::uint16_t value) {
  const ShortCut s = SplitShortCut(value);
  const std::uint32_t modifiers = (value & 0x8000 ? kModAlt : 0) | (value & 0x4000 ? kModControl : 0) |
                                  (value & 0x2000 ? kModShift : 0);
  FUZZ_REQUIRE(s.key == (value & 0xFFu) && s.modifiers == modifiers,
               "value " + IntegerText(value) + " split into key " + std::to_string(s.key) +
                   " and modifiers " + std::to_string(s.modifiers));
  const std::int32_t id = HotKeyId(s.key, s.modifiers);
  FUZZ_REQUIRE(id >= 0 && static_cast<std::uint32_t>(id) == s.modifiers * 256 + s.key,
               "value " + IntegerText(value) + " registers as identifier " + IntegerText(id));
  const std::uint16_t word = EditWordFromValue(value);
  FUZZ_REQUIRE(ValueFromEditWord(word) == value,
               "value " + IntegerText(value) + " became edit word " + IntegerText(word) +
                   " and came back as " + IntegerText(ValueFromEditWord(word)));
  if (auto run = KeyRun(s.key)) {
    const std::set<std::uint32_t> keys(run->begin(), run->end());
    FUZZ_REQUIRE((*run)[0] == s.key && keys.size() == 4 && !keys.contains(0),
                 "the run of key " + std::to_string(s.key) + " is not four keys from it");
  }
}

void CheckEditWord(std::uint32_t word) {
  const std::uint16_t value = ValueFromEditWord(word);
  FUZZ_REQUIRE(EditableValue(value) == value && EditWordFromValue(value) == (word & 0x07FF),
               "edit word " + std::to_string(word) + " gave value " + IntegerText(value));
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nolb;
  const std::string_view input = fuzz::AsText(data, size);
  const HotkeySettings settings = fuzz::CheckSection<HotkeySettings>(
      input, kHotkeySection, fuzz::HotkeyKeys(),
      [](SettingsStore& file) { return ReadHotkeySettings(file); },
      [](SettingsStore& file, const HotkeySettings& s) { WriteHotkeySettings(file, s); });
  for (const HotkeyRowSetting& row : settings.rows) fuzz::CheckValue(row.value);
  const fuzz::InputSettingsFile file(input);
  for (const HotkeyRowInfo& row : kHotkeyRows) {
    if (auto line = file.Find(kHotkeySection, row.key)) {
      if (auto number = ParseInteger(line->value)) {
        fuzz::CheckEditWord(static_cast<std::uint32_t>(*number));
      }
    }
  }
  // The dialog's size as designed is about 300 × 250.
  fuzz::CheckPlacement({settings.left, settings.top, 300, 250});
  return 0;
}
