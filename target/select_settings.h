// Section "Select" of the settings file: whether the selection shows its
// magnifier. Read once when the selection window is created and written
// once when it is destroyed.
#pragma once

#include "base/settings_store.h"

namespace nolb {

inline constexpr char kSelectSection[] = "Select";

struct SelectSettings {
  static constexpr bool kDefaultMagnifier = true;

  bool magnifier = kDefaultMagnifier;

  bool operator==(const SelectSettings&) const = default;
};

// Key Magnifier; missing or no integer gives the default (on).
SelectSettings ReadSelectSettings(SettingsStore& store);

// Writes Magnifier as 0 or 1; raises Error when the file cannot be written.
void WriteSelectSettings(SettingsStore& store, const SelectSettings& settings);

}  // namespace nolb
