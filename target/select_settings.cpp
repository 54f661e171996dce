#include "target/select_settings.h"

namespace nolb {
namespace {

template <typename Settings, typename Visit>
void ForEachKey(Settings& s, Visit&& visit) {
  visit("Magnifier", s.magnifier, SelectSettings::kDefaultMagnifier);
}

}  // namespace

SelectSettings ReadSelectSettings(SettingsStore& store) {
  return ReadSection<SelectSettings>(store, kSelectSection, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
}

void WriteSelectSettings(SettingsStore& store, const SelectSettings& settings) {
  WriteSection(store, kSelectSection, settings, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
}

}  // namespace nolb
