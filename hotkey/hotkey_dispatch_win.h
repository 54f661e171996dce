// What a hotkey does to the main window.
#pragma once

#include <cstdint>

#include "hotkey/hotkey_host_win.h"

namespace nolb {

// Runs the action of the slot whose identifier the hotkey message carries,
// when the main window's state allows it.
void RunHotkey(HotkeyHost& main, std::int32_t id);

}  // namespace nolb
