// A rectangle kept to a ratio of width to height while it is dragged on
// the screen (Shift held): the encoder's picture has a fixed shape, and a
// range of that shape is neither stretched nor given bars.
#pragma once

#include <cstdint>
#include <optional>

#include "base/window_system.h"
#include "target/selection_rect.h"

namespace nolb {

// The ratio of a width and a height, in lowest terms (320 × 240 gives 4:3);
// nothing unless both are positive.
std::optional<Size> RatioOf(std::int32_t width, std::int32_t height);

// The rectangle from the anchor (a corner that stays) toward the cursor in
// the ratio. Of the two sizes that the corners span (both counted in whole
// pixels, the corners included), the one that is larger in the ratio
// decides and the other follows, rounded to the nearest pixel; the corner
// toward the cursor moves, in the cursor's direction from the anchor.
Corners RatioCorners(Point anchor, Point cursor, Size ratio);

// The same with one size decided: a side of a rectangle dragged, the
// other size following from the anchor (to the right of it, or below).
// With a width decided the cursor's x gives the far side; with a height,
// its y.
Corners RatioCornersFromSide(Point anchor, Point cursor, bool widthDecides, Size ratio);

}  // namespace nolb
