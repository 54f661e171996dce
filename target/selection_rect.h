// A rectangle chosen on the screen: as the two corners an outline is drawn
// through, and as the numbers the edits take.
#pragma once

#include <cstdint>

namespace nolb {

// Two corners of a rectangle in screen coordinates, both inside it; also
// the outline through them.
struct Corners {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
  bool operator==(const Corners&) const = default;
};

struct SelectedRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const SelectedRect&) const = default;
};

// The rectangle of a dragged range, in whichever direction it was dragged.
SelectedRect RangeRectangle(const Corners& result);

}  // namespace nolb
