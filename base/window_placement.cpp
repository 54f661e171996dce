#include "base/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace nolb {
namespace {

// Edges in 64 bits: a stored place may hold any 32-bit numbers.
std::int64_t Right(const WindowRect& r) { return std::int64_t{r.left} + r.width; }
std::int64_t Bottom(const WindowRect& r) { return std::int64_t{r.top} + r.height; }

// The gap between two spans on one axis; 0 when they overlap.
std::int64_t Gap(std::int64_t begin1, std::int64_t end1, std::int64_t begin2, std::int64_t end2) {
  return std::max<std::int64_t>({0, begin2 - end1, begin1 - end2});
}

bool Overlaps(const WindowRect& a, const WindowRect& b) {
  return a.left < Right(b) && b.left < Right(a) && a.top < Bottom(b) && b.top < Bottom(a);
}

// The start of a span of the given length moved as little as possible into
// [begin, end); when it is longer, it starts at begin.
std::int32_t MoveInto(std::int32_t start, std::int32_t length, std::int64_t begin, std::int64_t end) {
  std::int64_t moved = std::min<std::int64_t>(start, end - length);
  return static_cast<std::int32_t>(std::max<std::int64_t>(moved, begin));
}

}  // namespace

double Distance2(const WindowRect& a, const WindowRect& b) {
  auto dx = static_cast<double>(Gap(a.left, Right(a), b.left, Right(b)));
  auto dy = static_cast<double>(Gap(a.top, Bottom(a), b.top, Bottom(b)));
  return dx * dx + dy * dy;
}

WindowRect PlaceOnMonitors(const WindowRect& stored, const std::vector<MonitorArea>& monitors) {
  if (monitors.empty()) return stored;
  const MonitorArea* nearest = &monitors.front();
  for (const MonitorArea& m : monitors) {
    if (Overlaps(stored, m.work)) return stored;
    if (Distance2(stored, m.work) < Distance2(stored, nearest->work)) nearest = &m;
  }
  return MovedInto(stored, nearest->work);
}

WindowRect MovedInto(const WindowRect& rect, const WindowRect& area) {
  WindowRect moved = rect;
  moved.left = MoveInto(rect.left, rect.width, area.left, Right(area));
  moved.top = MoveInto(rect.top, rect.height, area.top, Bottom(area));
  return moved;
}

WindowRect PlaceOverOwner(const WindowRect& owner, std::int32_t width, std::int32_t height,
                          const std::vector<MonitorArea>& monitors) {
  auto shared = [&owner](const WindowRect& r) {
    const std::int64_t w = std::min(Right(owner), Right(r)) - std::max(owner.left, r.left);
    const std::int64_t h = std::min(Bottom(owner), Bottom(r)) - std::max(owner.top, r.top);
    return w > 0 && h > 0 ? w * h : 0;
  };
  const MonitorArea* best = nullptr;
  std::int64_t most = 0;
  for (const MonitorArea& m : monitors) {
    if (shared(m.monitor) > most) best = &m, most = shared(m.monitor);
  }
  for (const MonitorArea& m : monitors) {
    if (most == 0 && (!best || Distance2(owner, m.monitor) < Distance2(owner, best->monitor))) best = &m;
  }
  WindowRect placed{0, 0, width, height};
  if (best) {
    placed.width = std::min(width, best->work.width);
    placed.height = std::min(height, best->work.height);
  }
  placed.left = static_cast<std::int32_t>(owner.left + (std::int64_t{owner.width} - placed.width) / 2);
  placed.top = static_cast<std::int32_t>(owner.top + (std::int64_t{owner.height} - placed.height) / 2);
  return best ? MovedInto(placed, best->work) : placed;
}

WindowRect WorkspaceToScreen(const WindowRect& workspace, const MonitorArea& monitor) {
  WindowRect screen = workspace;
  screen.left += monitor.work.left - monitor.monitor.left;
  screen.top += monitor.work.top - monitor.monitor.top;
  return screen;
}

}  // namespace nolb
