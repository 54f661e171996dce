#include "base/monitor_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <limits>

namespace nolb {
namespace {

std::int64_t Right(const WindowRect& r) { return std::int64_t{r.left} + r.width; }
std::int64_t Bottom(const WindowRect& r) { return std::int64_t{r.top} + r.height; }

std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  return (n % d != 0 && (n < 0) != (d < 0)) ? q - 1 : q;
}

// One coordinate from the span [from, from + fromLength) onto [to, to +
// toLength), rounded to the nearest (halves up); a span without length only
// moves it.
std::int32_t Map(std::int64_t value, std::int32_t from, std::int32_t fromLength, std::int32_t to,
                 std::int32_t toLength) {
  if (fromLength <= 0 || toLength <= 0) return Clamp32(value - from + to);
  const std::int64_t scaled = FloorDiv((value - from) * toLength * 2 + fromLength, std::int64_t{fromLength} * 2);
  return Clamp32(to + scaled);
}

Point MapPoint(const WindowRect& from, const WindowRect& to, Point p) {
  return {Map(p.x, from.left, from.width, to.left, to.width), Map(p.y, from.top, from.height, to.top, to.height)};
}

WindowRect MapRect(const WindowRect& from, const WindowRect& to, const WindowRect& r) {
  const std::int32_t left = Map(r.left, from.left, from.width, to.left, to.width);
  const std::int32_t top = Map(r.top, from.top, from.height, to.top, to.height);
  const std::int32_t right = Map(Right(r), from.left, from.width, to.left, to.width);
  const std::int32_t bottom = Map(Bottom(r), from.top, from.height, to.top, to.height);
  return {left, top, Clamp32(std::int64_t{right} - left), Clamp32(std::int64_t{bottom} - top)};
}

std::int64_t SharedArea(const WindowRect& a, const WindowRect& b) {
  const std::int64_t w = std::min(Right(a), Right(b)) - std::max(a.left, b.left);
  const std::int64_t h = std::min(Bottom(a), Bottom(b)) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// The monitor that a rectangle belongs to by one of its two rectangles.
const MonitorScaling* MonitorOf(const std::vector<MonitorScaling>& monitors, const WindowRect& r,
                                WindowRect MonitorScaling::*which) {
  if (monitors.empty()) return nullptr;
  const MonitorScaling* best = &monitors.front();
  std::int64_t bestArea = SharedArea(r, best->*which);
  for (const MonitorScaling& m : monitors) {
    const std::int64_t area = SharedArea(r, m.*which);
    if (area > bestArea || (bestArea == 0 && area == 0 && Distance2(r, m.*which) < Distance2(r, best->*which))) {
      best = &m;
      bestArea = area;
    }
  }
  return best;
}

}  // namespace

MonitorScaling MonitorFromMode(const WindowRect& logical, const std::optional<WindowRect>& mode) {
  if (!mode || logical.width <= 0 || logical.height <= 0) return {logical, logical};
  const std::int64_t lw = logical.width, lh = logical.height, pw = mode->width, ph = mode->height;
  const bool scaledUp = pw >= lw && ph >= lh;
  // pw / lw == ph / lh, give or take the rounding of either side.
  const bool oneFactor = std::abs(pw * lh - ph * lw) <= lw + lh;
  return {logical, scaledUp && oneFactor ? *mode : logical};
}

bool Scaled(const MonitorScaling& m) {
  return m.logical.width != m.physical.width || m.logical.height != m.physical.height;
}

WindowRect VirtualScreen(const std::vector<MonitorScaling>& monitors) {
  if (monitors.empty()) return {};
  std::int64_t left = monitors.front().logical.left, top = monitors.front().logical.top;
  std::int64_t right = Right(monitors.front().logical), bottom = Bottom(monitors.front().logical);
  for (const MonitorScaling& m : monitors) {
    left = std::min<std::int64_t>(left, m.logical.left);
    top = std::min<std::int64_t>(top, m.logical.top);
    right = std::max(right, Right(m.logical));
    bottom = std::max(bottom, Bottom(m.logical));
  }
  return {Clamp32(left), Clamp32(top), Clamp32(right - left), Clamp32(bottom - top)};
}

Point LogicalToPhysical(const MonitorScaling& m, Point logical) { return MapPoint(m.logical, m.physical, logical); }
Point PhysicalToLogical(const MonitorScaling& m, Point physical) { return MapPoint(m.physical, m.logical, physical); }
WindowRect LogicalToPhysical(const MonitorScaling& m, const WindowRect& logical) {
  return MapRect(m.logical, m.physical, logical);
}
WindowRect PhysicalToLogical(const MonitorScaling& m, const WindowRect& physical) {
  return MapRect(m.physical, m.logical, physical);
}

std::optional<MonitorScaling> MonitorOfLogical(const std::vector<MonitorScaling>& monitors, const WindowRect& r) {
  const MonitorScaling* monitor = MonitorOf(monitors, r, &MonitorScaling::logical);
  if (!monitor) return std::nullopt;
  return *monitor;
}

WindowRect LogicalToPhysical(const std::vector<MonitorScaling>& monitors, const WindowRect& logical) {
  const std::optional<MonitorScaling> monitor = MonitorOfLogical(monitors, logical);
  return monitor ? LogicalToPhysical(*monitor, logical) : logical;
}

WindowRect VisibleFrame(const std::vector<MonitorScaling>& monitors, const WindowRect& window,
                        const std::optional<WindowRect>& drawn) {
  if (!drawn) return window;
  const MonitorScaling* monitor = MonitorOf(monitors, *drawn, &MonitorScaling::physical);
  const WindowRect logical = monitor ? PhysicalToLogical(*monitor, *drawn) : *drawn;
  const std::int64_t left = std::max(logical.left, window.left), top = std::max(logical.top, window.top);
  const std::int64_t right = std::min(Right(logical), Right(window)), bottom = std::min(Bottom(logical), Bottom(window));
  if (left >= right || top >= bottom) return window;
  return {Clamp32(left), Clamp32(top), Clamp32(right - left), Clamp32(bottom - top)};
}

PictureCopy MonitorPicture(const MonitorScaling& m) {
  return {m.physical, {0, 0, m.logical.width, m.logical.height}, Scaled(m)};
}

}  // namespace nolb
