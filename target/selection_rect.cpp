#include "target/selection_rect.h"

#include <algorithm>
#include <cstdlib>

namespace nolb {

SelectedRect RangeRectangle(const Corners& r) {
  return SelectedRect{std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::abs(r.x2 - r.x1) + 1,
                      std::abs(r.y2 - r.y1) + 1};
}

}  // namespace nolb
