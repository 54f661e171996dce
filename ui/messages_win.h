// The program's private window messages, one number each.
#pragma once

#include <windows.h>

namespace ui {

enum PrivateMessage : UINT {
  // Posted by the main window's real-time tick: new values for the edits.
  kFollowDisplayMessage = WM_APP + 1,
  // Posted to a form by Later: run the tasks it queued.
  kRunLaterMessage,
};

}  // namespace ui
