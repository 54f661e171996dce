// Making a window the foreground window so that keys sent next keep their
// state.
//
// Under Wine, the thread of a window that gains the X input focus is told
// which keys the X server holds down, and Wine takes that as the system's key
// state. Keys sent with SendInput are unknown to the X server, so a key sent
// just after a focus change can be released behind the program's back when
// that thread catches up: the modifier of a chord (Alt+S opens no menu,
// Ctrl+F10 arrives as F10) or a key being held. So a change of the foreground
// window holds a spare key (F24, which nothing here uses) down across the
// change and waits until it reads up again: the window's thread has caught up
// and later keys stay as sent.
#pragma once

#include <windows.h>

namespace e2e {

// Makes top the foreground and active window, by way of a window of the
// harness's own when top is already in front, so that there is always a
// change to wait for; when no update comes within 300 ms, the change is
// made again (three times at most). False when top cannot be activated within 5 s.
bool ActivateForKeys(HWND top);

GUITHREADINFO GuiThreadInfo(DWORD thread);

// Whether the key is down in the system's key state now, asked on a fresh
// thread: a thread may be answered from its own recent readings.
bool KeyDownNow(WORD key);

// A modifier held on the display itself (xdotool, by its X name) while the
// object lives: a mouse move carries the display's state of the modifiers,
// which lets go of one sent with SendInput.
class DisplayKeyHeld {
 public:
  DisplayKeyHeld(const char* name, WORD key);
  ~DisplayKeyHeld();

 private:
  const char* name_;
  WORD key_;
};

}  // namespace e2e
