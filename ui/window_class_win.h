// Window classes of the program, registered once each, and its icon.
#pragma once

#include <windows.h>

namespace ui {

// Registers a window class of this module (double clicks, arrow cursor, the
// program's icon) the first time its name is asked for; later calls do nothing.
void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HBRUSH background = nullptr);

// Gives a top-level window the program's icon, large (Alt+Tab) and small
// (title bar, taskbar). A module without the icon keeps the system's one.
void SetProgramIcon(HWND window);

}  // namespace ui
