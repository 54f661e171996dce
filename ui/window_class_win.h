// Window classes of the program, registered once each, and its icon.
#pragma once

#include <windows.h>

namespace ui {

// Registers a window class of this module (double clicks, arrow cursor, the
// program's icon) the first time its name is asked for; later calls do nothing.
void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HBRUSH background = nullptr);

// The object a window was made for (CreateWindowEx's last argument), kept
// with the window from WM_NCCREATE on: for the window procedure of a class
// whose windows each belong to one object. None once it is cleared.
template <typename T>
T* WindowObject(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Gives a top-level window the program's icon, large (Alt+Tab) and small
// (title bar, taskbar). A module without the icon keeps the system's one.
void SetProgramIcon(HWND window);

}  // namespace ui
