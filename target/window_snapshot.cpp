#include "target/window_snapshot.h"

#include <cstdint>

namespace nolb {
namespace {

bool Holds(const WindowRect& r, Point p) {
  return p.x >= r.left && p.y >= r.top && std::int64_t{p.x} < std::int64_t{r.left} + r.width &&
         std::int64_t{p.y} < std::int64_t{r.top} + r.height;
}

bool HasArea(const WindowRect& r) { return r.width > 0 && r.height > 0; }

}  // namespace

std::optional<WindowRect> SnapAreaAt(const WindowSnapshot& windows, Point at) {
  for (const SnapWindow& top : windows) {
    if (top.passThrough || !Holds(top.frame, at)) continue;
    if (top.own) return std::nullopt;
    // The way down, so that an empty client area gives way to its parent's.
    std::vector<const SnapWindow*> path{&top};
    for (bool deeper = true; deeper;) {
      deeper = false;
      for (const SnapWindow& child : path.back()->children) {
        if (child.enabled && !child.passThrough && Holds(child.frame, at)) {
          path.push_back(&child);
          deeper = true;
          break;
        }
      }
    }
    for (auto window = path.rbegin(); window != path.rend(); ++window) {
      if (HasArea((*window)->client)) return (*window)->client;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace nolb
