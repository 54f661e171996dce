// What the selection windows draw over the frozen picture, laid out in
// screen coordinates: the outline's pixels, a readout of the numbers near
// the cursor and a magnifier beside it, the areas to draw again when any of
// it moves, and the cursor's steps with the arrow keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/window_placement.h"
#include "base/window_system.h"
#include "target/screen_selection.h"

namespace nolb {

// The magnifier: kMagnifierCells × kMagnifierCells pixels of the picture
// around the cursor (the cursor's pixel in the middle), each drawn
// kMagnifierZoom times as large, inside a border of two pixels (black
// outside, white inside: seen on any picture).
inline constexpr std::int32_t kMagnifierCells = 15;
inline constexpr std::int32_t kMagnifierZoom = 8;
inline constexpr std::int32_t kMagnifierBorder = 2;
inline constexpr std::int32_t kMagnifierSide = kMagnifierCells * kMagnifierZoom + 2 * kMagnifierBorder;
// Between the cursor's pixel and the readout or the magnifier: the arms of
// the cross cursor stay clear.
inline constexpr std::int32_t kCursorClearance = 20;
// Between the magnifier and the readout.
inline constexpr std::int32_t kOverlayGap = 4;

// The pixels of an outline (its corners in any order) as up to four
// strips that do not overlap, each inverted once to draw or erase it; only
// what lies inside the bounds.
std::vector<WindowRect> OutlineStrips(const Corners& outline, const WindowRect& bounds);

// The areas to draw again, within the bounds and fewer: two that together
// cover about as many pixels as the rectangle around both (a strip and its
// neighbour after a move of a pixel or two) become that rectangle. What
// lies outside the bounds goes.
std::vector<WindowRect> MergeAreas(const std::vector<WindowRect>& areas, const WindowRect& bounds);

// What the readout says: the cursor, and the numbers the edits would get
// ("範囲", or "ウィンドウ" for a window's area) with the ratio kept, if
// any, and the keys (those of adjusting the rectangle, when it is).
std::vector<std::string> ReadoutLines(Point cursor, const std::optional<SelectedRect>& pending, bool snapped,
                                      std::optional<Size> ratio = std::nullopt, bool adjusting = false);

struct OverlayPlace {
  WindowRect readout;
  std::optional<WindowRect> magnifier;
  bool operator==(const OverlayPlace&) const = default;
};

// Where the readout and the magnifier go: together beside the cursor on its
// monitor, clear of the cursor's pixel, below and right of it; while a range
// is dragged, on the side away from where it began, off the rectangle. Near
// a monitor's edge they move to the other side. On a monitor too small for
// both the magnifier is left out.
OverlayPlace PlaceOverlay(Point cursor, const WindowRect& monitor, Size readout, bool magnifier,
                          std::optional<Point> dragAnchor);

// The magnifier's picture: the part of the picture (the screen area it
// holds) around the cursor that it shows, in the picture's own pixels, and
// where on the screen in the magnifier that goes; nothing when the picture
// holds none of it.
struct MagnifierCopy {
  WindowRect from;  // from the picture's top-left pixel
  WindowRect to;
  bool operator==(const MagnifierCopy&) const = default;
};
// The magnifier without its border.
WindowRect MagnifierInside(const WindowRect& magnifier);
std::optional<MagnifierCopy> MagnifierSource(Point cursor, const WindowRect& magnifier, const WindowRect& picture);
// The cursor's own pixel in the magnifier.
WindowRect MagnifiedCursor(const WindowRect& magnifier);

// The monitor that shows the point (the first listed of those that do),
// else the nearest one; 0 without monitors.
std::size_t MonitorAt(const std::vector<WindowRect>& monitors, Point at);

// The cursor moved by an arrow key: to the point, when a monitor shows it;
// otherwise as far as the monitor it was on reaches.
Point StepCursor(Point from, std::int32_t dx, std::int32_t dy, const std::vector<WindowRect>& monitors);

}  // namespace nolb
