// What a hotkey does to the main window.
#pragma once

#include <cstdint>

namespace nolb {

class TMainForm;

// Runs the action of the slot whose identifier the hotkey message carries,
// when the main window's state allows it.
void RunHotkey(TMainForm& main, std::int32_t id);

}  // namespace nolb
