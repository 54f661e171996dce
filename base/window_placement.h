// Where a top-level window goes on the screen. A stored place may lie on no
// monitor any more (a monitor unplugged, a lower resolution); the window is
// then moved onto the nearest monitor's work area, so the user can reach it.
#pragma once

#include <cstdint>
#include <vector>

namespace nolb {

// An outer window rectangle, in screen pixels.
struct WindowRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const WindowRect&) const = default;
};

// One monitor: its whole area and its work area (without the taskbar and
// other desktop toolbars), both in screen coordinates.
struct MonitorArea {
  WindowRect monitor;
  WindowRect work;
};

// The squared distance between the two rectangles' nearest pixels; 0 when
// they overlap or touch.
double Distance2(const WindowRect& a, const WindowRect& b);

// The place to use for a stored outer rectangle. While the rectangle shares
// at least one pixel with some monitor's work area it is used unchanged.
// Otherwise it keeps its size and is moved into the work area of the nearest
// monitor (the first listed among equals), as little as possible; a window
// larger than that work area is aligned to its top-left corner, so that the
// caption stays reachable. Without monitors the rectangle is unchanged.
WindowRect PlaceOnMonitors(const WindowRect& stored, const std::vector<MonitorArea>& monitors);

// The place of a window of the given outer size opened over its owner (a
// dialog): on the monitor that holds the most of the owner (the nearest
// when none holds any of it), centred on the owner, and moved as little as
// possible into that monitor's work area, no larger than it. Without
// monitors, centred on the owner.
WindowRect PlaceOverOwner(const WindowRect& owner, std::int32_t width, std::int32_t height,
                          const std::vector<MonitorArea>& monitors);

// The rectangle moved as little as possible to lie inside the area, keeping
// its size; on an axis where it is larger than the area it starts at the
// area's start (left or top).
WindowRect MovedInto(const WindowRect& rect, const WindowRect& area);

// A rectangle in workspace coordinates (the system's coordinates of a
// window's restored place, relative to the work area of its monitor) in
// screen coordinates.
WindowRect WorkspaceToScreen(const WindowRect& workspace, const MonitorArea& monitor);

}  // namespace nolb
