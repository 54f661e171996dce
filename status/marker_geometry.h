// Where the four capture-range markers stand: diagonally outside the corners
// of the rectangle the capture hook library uses, each touching its corner,
// or parked off every monitor.
#pragma once

#include <array>
#include <cstdint>

#include "base/capture_hook.h"
#include "base/window_system.h"

namespace nolb {

// The size of one marker picture, which is also each marker window's size.
inline constexpr Size kMarkerSize{32, 32};

// How far above and to the left of the virtual screen's origin parked
// markers stand.
inline constexpr std::int32_t kMarkerParkingDistance = 1000;

// Top-left corners of the marker windows: index 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right.
using MarkerPlaces = std::array<Point, 4>;

// The markers around the library's rectangle (left = x, top = y,
// right = x + width, bottom = y + height), moved by the screen position of
// the target's client-area origin. Positions that would leave the 32-bit
// range are held at its edge, so that every marker's own rectangle stays
// representable.
MarkerPlaces MarkersAroundTarget(const HookTarget& target, Point clientOrigin,
                                 Size marker = kMarkerSize);

// All four markers at the parking place, off every monitor.
MarkerPlaces ParkedMarkers(Point virtualScreenOrigin);

}  // namespace nolb
