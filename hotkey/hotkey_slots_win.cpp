#include "hotkey/hotkey_slots_win.h"

#include <windows.h>

namespace nolb {
namespace {

// RegisterHotKey and UnregisterHotKey. A held key is registered not to
// repeat where the system knows that flag; a system that does not know it
// gets the registration without it.
class Win32HotKeyService : public HotKeyService {
 public:
  bool Register(WindowId window, std::int32_t id, std::uint32_t modifiers,
                std::uint32_t key) override {
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (RegisterHotKey(hwnd, id, modifiers | MOD_NOREPEAT, key)) return true;
    if (GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED) return false;
    return RegisterHotKey(hwnd, id, modifiers, key) != FALSE;
  }

  bool Unregister(WindowId window, std::int32_t id) override {
    return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != FALSE;
  }
};

// Defined before the slots, so it outlives them.
Win32HotKeyService service;

}  // namespace

HotkeySlots HotKeys(service);

HotkeySlotIds HotkeySlots::Ids() const {
  HotkeySlotIds ids;
  ids.autoMouse = AutoMouse.Id();
  ids.windowGrab = WindowGrab.Id();
  ids.setPos = SetPos.Id();
  ids.setRange = SetRange.Id();
  for (int i = 0; i < 4; ++i) {
    ids.selPos[i] = SelPos[i].Id();
    ids.selSize[i] = SelSize[i].Id();
  }
  return ids;
}

}  // namespace nolb
