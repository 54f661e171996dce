// The panel's windows kept out of screen captures, as the user chose
// ("パネルを配信に映さない"): the main window and every window owned by a
// window of the program (the preview, the dialogs, the hints, the notice
// balloon). Windows without an owner, the range markers and the selection,
// stay as they are. Where the system cannot leave a window out, nothing
// changes (base/capture_exclusion.h).
#pragma once

#include <windows.h>

namespace ui {

// Takes the choice and applies it to the program's windows of the calling
// thread that exist now.
void SetCaptureExclusion(bool excluded, HWND mainWindow);

// A window just made follows the choice when it is one of the panel's: the
// main window, or an owned one.
void FollowCaptureExclusion(HWND window, bool panelWindow);

}  // namespace ui
