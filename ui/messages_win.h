// The program's private window messages, one number each.
#pragma once

#include <windows.h>

namespace ui {

enum PrivateMessage : UINT {
  // Posted by the main window's real-time tick: new values for the edits.
  kFollowDisplayMessage = WM_APP + 1,
  // Posted by the hotkey dialog's keyboard watch from its own thread: a key
  // (wParam, its virtual-key code) went down (lParam 1) or up (lParam 0).
  kWatchedKeyMessage,
  // Posted to a form by Later: run the tasks it queued.
  kRunLaterMessage,
};

}  // namespace ui
