// The monitors at their display scaling, for the windows that draw on the
// screen itself: the selection window's frozen picture and the target
// picker's frame.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "base/monitor_geometry.h"

namespace ui {

// A RECT (right and bottom exclusive) as left, top, width, height.
nolb::WindowRect ToWindowRect(const RECT& r);

// Calls back for each monitor with its information (device name, logical
// rectangle, work area), the primary monitor first.
void ForEachMonitor(const std::function<void(const MONITORINFOEXW&)>& visit);

// Every monitor's logical rectangle and its physical one (the display mode
// of its device; the logical one where that cannot be read), the primary
// first.
std::vector<nolb::MonitorScaling> MonitorScalings();

// Fills the picture, of the monitor's logical size, with what the monitor
// shows now: its own pixels, stretched with halftone where it is scaled.
void CopyMonitor(HDC picture, const nolb::MonitorScaling& monitor);

}  // namespace ui
