// Section "WindowList" of the settings file: the outer size of the window
// list, as the user last left it. Read when the list opens and written when
// it closes with another size.
#pragma once

#include <cstdint>

#include "base/settings_store.h"

namespace nolb {

inline constexpr char kWindowListSection[] = "WindowList";

struct WindowListSettings {
  static constexpr std::int32_t kDefaultWidth = 640;
  static constexpr std::int32_t kDefaultHeight = 440;
  // The smallest size in which the filter, the list and the buttons fit.
  static constexpr std::int32_t kMinimumWidth = 360;
  static constexpr std::int32_t kMinimumHeight = 240;

  std::int32_t width = kDefaultWidth;
  std::int32_t height = kDefaultHeight;

  bool operator==(const WindowListSettings&) const = default;
};

// Reads Width and Height. A missing key or a value that is no integer gives
// the default; a value below the minimum, the minimum.
WindowListSettings ReadWindowListSettings(SettingsStore& store);

// Writes Width and Height in that order; a key that cannot be written
// raises Error.
void WriteWindowListSettings(SettingsStore& store, const WindowListSettings& settings);

}  // namespace nolb
