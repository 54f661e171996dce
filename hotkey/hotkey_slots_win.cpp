#include "hotkey/hotkey_slots_win.h"

#include <windows.h>
#include <versionhelpers.h>

#include "hotkey/key_repeats.h"

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
    if (!RegisterHotKey(hwnd, id, modifiers, key)) return false;
    noRepeatRefused_ = true;
    return true;
  }

  bool Unregister(WindowId window, std::int32_t id) override {
    return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != FALSE;
  }

  // A registration was made without the no-repeat flag, which the system
  // refused.
  bool NoRepeatRefused() const { return noRepeatRefused_; }

 private:
  bool noRepeatRefused_ = false;
};

// Wine marks itself by an export of its own in ntdll.dll, whatever Windows
// version it reports.
bool RunsOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Defined before the slots, so it outlives them.
Win32HotKeyService service;

}  // namespace

HotkeySlots HotKeys(service);

bool HeldHotkeysMayRepeat() {
  static const bool wine = RunsOnWine();
  static const bool windows7 = IsWindows7OrGreater();
  return HeldHotkeysMayRepeat(
      {.noRepeatTaken = !service.NoRepeatRefused(), .windows7OrLater = windows7, .wine = wine});
}

HotkeySlotIds HotkeySlots::Ids() const {
  HotkeySlotIds ids;
  ids.autoMouse = AutoMouse.Id();
  ids.windowGrab = WindowGrab.Id();
  ids.setPos = SetPos.Id();
  ids.setRange = SetRange.Id();
  ids.adjustRange = AdjustRange.Id();
  for (int i = 0; i < 4; ++i) {
    ids.selPos[i] = SelPos[i].Id();
    ids.selSize[i] = SelSize[i].Id();
  }
  return ids;
}

}  // namespace nolb
