#include "target/window_list_settings.h"

#include <algorithm>

namespace nolb {
namespace {

template <typename Settings, typename Visit>
void ForEachKey(Settings& s, Visit&& visit) {
  using W = WindowListSettings;
  visit("Width", s.width, W::kDefaultWidth);
  visit("Height", s.height, W::kDefaultHeight);
}

}  // namespace

WindowListSettings ReadWindowListSettings(SettingsStore& store) {
  WindowListSettings s = ReadSection<WindowListSettings>(
      store, kWindowListSection, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
  s.width = std::max(s.width, WindowListSettings::kMinimumWidth);
  s.height = std::max(s.height, WindowListSettings::kMinimumHeight);
  return s;
}

void WriteWindowListSettings(SettingsStore& store, const WindowListSettings& settings) {
  WriteSection(store, kWindowListSection, settings,
               [](auto& s, auto&& visit) { ForEachKey(s, visit); });
}

}  // namespace nolb
