// Window classes of the program, registered once each.
#pragma once

#include <windows.h>

namespace ui {

// Registers a window class of this module (double clicks, arrow cursor) the
// first time its name is asked for; later calls do nothing.
void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HBRUSH background = nullptr);

}  // namespace ui
