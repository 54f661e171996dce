// The desktop window manager, which composes what the windows draw into the
// picture on the screen. Its functions come from dwmapi.dll, loaded from the
// system folder on first use; where it or a function is missing (or the
// composition is off), each does what the screen without it needs.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "base/monitor_geometry.h"

namespace ui {

// Waits until the screen shows what the windows have drawn so far
// (DwmFlush), so that a copy of the screen holds it.
void FlushComposition();

// The part of a top-level window that shows, in the program's pixels: its
// rectangle without the invisible resize border around it
// (DWMWA_EXTENDED_FRAME_BOUNDS, mapped by the monitors); the whole rectangle
// where that cannot be read. The monitors are read when first needed and
// kept in `monitors` for the next call.
nolb::WindowRect VisibleFrame(HWND window, std::optional<std::vector<nolb::MonitorScaling>>& monitors);

}  // namespace ui
