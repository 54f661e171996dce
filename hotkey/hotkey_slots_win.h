// The program's thirteen hotkey slots, one per key the hotkey dialog can
// register. They live as long as the program: constructed free before any
// window exists, and released after every window is gone, in the reverse of
// their order here.
#pragma once

#include <array>

#include "hotkey/hot_key.h"
#include "hotkey/hotkey_action.h"

namespace nolb {

struct HotkeySlots {
  explicit HotkeySlots(HotKeyService& service)
      : AutoMouse(service), WindowGrab(service), SetPos(service), SetRange(service),
        SelPos{{CHotKey(service), CHotKey(service), CHotKey(service), CHotKey(service)}},
        SelSize{{CHotKey(service), CHotKey(service), CHotKey(service), CHotKey(service)}},
        AdjustRange(service) {}

  CHotKey AutoMouse;
  CHotKey WindowGrab;
  CHotKey SetPos;
  CHotKey SetRange;
  std::array<CHotKey, 4> SelPos;
  std::array<CHotKey, 4> SelSize;
  CHotKey AdjustRange;

  HotkeySlotIds Ids() const;
};

extern HotkeySlots HotKeys;

// Whether a held hotkey may come as several messages here: unless Windows
// took the no-repeat flag of every registration (hotkey/key_repeats.h).
bool HeldHotkeysMayRepeat();

}  // namespace nolb
