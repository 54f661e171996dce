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

// The virtual screen: every monitor, in logical pixels.
nolb::WindowRect VirtualScreenRect();

// Fills the picture, whose top-left pixel stands for the screen point
// origin, with the screen as it shows now: each monitor's pixels into its
// logical rectangle, stretched with halftone where the two differ; what no
// monitor shows is filled with the colour.
void CopyScreen(HDC picture, POINT origin, COLORREF nothingShown);

}  // namespace ui
