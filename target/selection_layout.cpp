#include "target/selection_layout.h"

#include <algorithm>
#include <limits>

namespace nolb {
namespace {

// A rectangle in 64 bits, right and bottom exclusive.
struct Span {
  std::int64_t left, top, right, bottom;
};

Span SpanOf(const WindowRect& r) {
  return {r.left, r.top, std::int64_t{r.left} + r.width, std::int64_t{r.top} + r.height};
}

std::int32_t Clamp32(std::int64_t v) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The part of a inside b; nothing when they share no pixel.
std::optional<WindowRect> Clip(const Span& a, const WindowRect& bounds) {
  const Span b = SpanOf(bounds);
  const Span c{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  if (c.left >= c.right || c.top >= c.bottom) return std::nullopt;
  return WindowRect{Clamp32(c.left), Clamp32(c.top), Clamp32(c.right - c.left), Clamp32(c.bottom - c.top)};
}

std::int64_t Area(const WindowRect& r) { return std::int64_t{r.width} * r.height; }

WindowRect Union(const WindowRect& a, const WindowRect& b) {
  const Span x = SpanOf(a), y = SpanOf(b);
  const std::int64_t left = std::min(x.left, y.left), top = std::min(x.top, y.top);
  return {Clamp32(left), Clamp32(top), Clamp32(std::max(x.right, y.right) - left),
          Clamp32(std::max(x.bottom, y.bottom) - top)};
}

bool Inside(const WindowRect& r, const WindowRect& bounds) {
  const Span a = SpanOf(r), b = SpanOf(bounds);
  return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
}

bool Holds(const WindowRect& r, Point p) { return Inside({p.x, p.y, 1, 1}, r); }

// Two areas are drawn as one when that costs at most this many pixels more.
constexpr std::int64_t kMergeSlack = 4096;

}  // namespace

std::vector<WindowRect> OutlineStrips(const Corners& o, const WindowRect& bounds) {
  const std::int64_t l = std::min(o.x1, o.x2), r = std::max(o.x1, o.x2) + std::int64_t{1};
  const std::int64_t t = std::min(o.y1, o.y2), b = std::max(o.y1, o.y2) + std::int64_t{1};
  std::vector<Span> strips{{l, t, r, t + 1}};
  if (b - t > 1) strips.push_back({l, b - 1, r, b});
  // The sides between; none for an outline of one or two rows (empty).
  strips.push_back({l, t + 1, l + 1, b - 1});
  if (r - l > 1) strips.push_back({r - 1, t + 1, r, b - 1});
  std::vector<WindowRect> clipped;
  for (const Span& s : strips) {
    if (std::optional<WindowRect> c = Clip(s, bounds)) clipped.push_back(*c);
  }
  return clipped;
}

std::vector<WindowRect> MergeAreas(const std::vector<WindowRect>& all, const WindowRect& bounds) {
  std::vector<WindowRect> areas;
  for (const WindowRect& a : all) {
    if (a.width <= 0 || a.height <= 0) continue;
    if (std::optional<WindowRect> c = Clip(SpanOf(a), bounds)) areas.push_back(*c);
  }
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < areas.size() && !merged; ++i) {
      for (size_t j = i + 1; j < areas.size() && !merged; ++j) {
        const WindowRect both = Union(areas[i], areas[j]);
        if (Area(both) <= Area(areas[i]) + Area(areas[j]) + kMergeSlack) {
          areas[i] = both;
          areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
        }
      }
    }
  }
  return areas;
}

std::vector<std::string> ReadoutLines(Point cursor, const std::optional<SelectedRect>& pending, bool snapped,
                                      std::optional<Size> ratio, bool adjusting) {
  std::vector<std::string> lines{"カーソル " + std::to_string(cursor.x) + ", " + std::to_string(cursor.y)};
  if (pending) {
    lines.push_back(std::string(snapped ? "ウィンドウ " : "範囲 ") + std::to_string(pending->x) + ", " +
                    std::to_string(pending->y) + "  " + std::to_string(pending->width) + " × " +
                    std::to_string(pending->height));
    if (ratio) lines.back() += "  (" + std::to_string(ratio->width) + ":" + std::to_string(ratio->height) + ")";
  }
  lines.push_back(adjusting ? "矢印: 移動  Ctrl+矢印: 大きさ  M: 拡大鏡" : "Ctrl: ウィンドウに合わせる  M: 拡大鏡");
  return lines;
}

OverlayPlace PlaceOverlay(Point cursor, const WindowRect& monitor, Size readout, bool magnifier,
                          std::optional<Point> dragAnchor) {
  const bool right = !dragAnchor || dragAnchor->x <= cursor.x;
  const bool below = !dragAnchor || dragAnchor->y <= cursor.y;
  auto layout = [&](bool withMagnifier, bool toRight, bool toBelow) {
    const std::int64_t width = std::max(readout.width, withMagnifier ? kMagnifierSide : 0);
    const std::int64_t height = readout.height + (withMagnifier ? kMagnifierSide + kOverlayGap : 0);
    const std::int64_t left = toRight ? cursor.x + std::int64_t{kCursorClearance} : cursor.x - kCursorClearance - width;
    const std::int64_t top = toBelow ? cursor.y + std::int64_t{kCursorClearance} : cursor.y - kCursorClearance - height;
    // Each lines up with the side and the end nearest the cursor; the
    // magnifier comes first from the cursor.
    auto part = [&](std::int64_t w, std::int64_t h, bool nearest) {
      const std::int64_t x = toRight ? left : left + width - w;
      const std::int64_t y = toBelow == nearest ? top : top + height - h;
      return WindowRect{Clamp32(x), Clamp32(y), Clamp32(w), Clamp32(h)};
    };
    OverlayPlace place{part(readout.width, readout.height, !withMagnifier), std::nullopt};
    if (withMagnifier) place.magnifier = part(kMagnifierSide, kMagnifierSide, true);
    const WindowRect group{Clamp32(left), Clamp32(top), Clamp32(width), Clamp32(height)};
    return std::pair{place, Inside(group, monitor)};
  };
  for (bool withMagnifier : {magnifier, false}) {
    for (int flip = 0; flip < 4; ++flip) {
      auto [place, fits] = layout(withMagnifier, right != ((flip & 1) != 0), below != ((flip & 2) != 0));
      if (fits) return place;
    }
  }
  // No room anywhere: the readout alone, pushed onto the monitor.
  WindowRect r = layout(false, right, below).first.readout;
  const Span m = SpanOf(monitor);
  r.left = Clamp32(std::max(m.left, std::min<std::int64_t>(r.left, m.right - r.width)));
  r.top = Clamp32(std::max(m.top, std::min<std::int64_t>(r.top, m.bottom - r.height)));
  return {r, std::nullopt};
}

WindowRect MagnifierInside(const WindowRect& m) {
  constexpr std::int32_t b = kMagnifierBorder;
  return {m.left + b, m.top + b, m.width - 2 * b, m.height - 2 * b};
}

std::optional<MagnifierCopy> MagnifierSource(Point cursor, const WindowRect& magnifier, const WindowRect& picture) {
  constexpr std::int64_t kHalf = kMagnifierCells / 2;
  const Span around{cursor.x - kHalf, cursor.y - kHalf, cursor.x + kHalf + 1, cursor.y + kHalf + 1};
  const std::optional<WindowRect> from = Clip(around, picture);
  if (!from) return std::nullopt;
  const WindowRect inside = MagnifierInside(magnifier);
  return MagnifierCopy{{from->left - picture.left, from->top - picture.top, from->width, from->height},
                       {Clamp32(inside.left + (from->left - around.left) * kMagnifierZoom),
                        Clamp32(inside.top + (from->top - around.top) * kMagnifierZoom), from->width * kMagnifierZoom,
                        from->height * kMagnifierZoom}};
}

WindowRect MagnifiedCursor(const WindowRect& magnifier) {
  const WindowRect inside = MagnifierInside(magnifier);
  constexpr std::int32_t kOffset = kMagnifierCells / 2 * kMagnifierZoom;
  return {inside.left + kOffset, inside.top + kOffset, kMagnifierZoom, kMagnifierZoom};
}

std::size_t MonitorAt(const std::vector<WindowRect>& monitors, Point at) {
  std::size_t nearest = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    // A monitor beside the one that shows the point touches it too.
    if (Holds(monitors[i], at)) return i;
    if (Distance2(monitors[i], {at.x, at.y, 1, 1}) < Distance2(monitors[nearest], {at.x, at.y, 1, 1})) nearest = i;
  }
  return nearest;
}

Point StepCursor(Point from, std::int32_t dx, std::int32_t dy, const std::vector<WindowRect>& monitors) {
  const Point to{Clamp32(std::int64_t{from.x} + dx), Clamp32(std::int64_t{from.y} + dy)};
  if (monitors.empty() || std::any_of(monitors.begin(), monitors.end(), [&](const WindowRect& m) { return Holds(m, to); })) {
    return to;
  }
  const Span s = SpanOf(monitors[MonitorAt(monitors, from)]);
  return {Clamp32(std::clamp<std::int64_t>(to.x, s.left, s.right - 1)),
          Clamp32(std::clamp<std::int64_t>(to.y, s.top, s.bottom - 1))};
}

}  // namespace nolb
