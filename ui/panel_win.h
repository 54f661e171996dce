// The panel control: a raised rectangle with a centred caption on a colour of
// its own (the system button face unless the control's colour is set).
#pragma once

#include <windows.h>

namespace ui {

class Control;

inline constexpr wchar_t kPanelClass[] = L"TPanel";

// Registers the panel window class (once) and binds a created panel window to
// its control, whose caption and colour it paints.
void RegisterPanelClass();
void AttachPanel(HWND hwnd, Control* control);

}  // namespace ui
