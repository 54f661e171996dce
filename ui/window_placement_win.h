// The monitors as the placement rules see them, for every top-level window
// that keeps its place in the settings file.
//
//   restore:  form.SetBounds(ui::PlaceOnMonitor({left, top, width, height}));
//   save:     ui::Place p = ui::NormalPlace(form.Handle());
//
// Both speak screen coordinates.
#pragma once

#include <windows.h>

#include <vector>

#include "base/window_placement.h"
#include "ui/form_win.h"

namespace ui {

// The place to use for a stored outer rectangle (screen coordinates): the
// rectangle itself while it shares a pixel with some monitor's work area;
// otherwise the same size moved onto the nearest monitor's work area.
Place PlaceOnMonitor(const Place& stored);

// The window's place when neither minimised nor maximised, in screen
// coordinates, whatever state it is in now.
Place NormalPlace(HWND window);

// Every monitor of the desktop, the primary one first.
std::vector<nolb::MonitorArea> Monitors();

}  // namespace ui
