#include "target/selection_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace nolb {
namespace {

// Pixels as (y, x), in that order.
using Pixels = std::vector<std::pair<std::int64_t, std::int64_t>>;

// The strips' pixels, each as often as a strip holds it.
Pixels StripPixels(const std::vector<WindowRect>& strips) {
  Pixels pixels;
  for (const WindowRect& s : strips) {
    for (std::int64_t y = s.top; y < std::int64_t{s.top} + s.height; ++y) {
      for (std::int64_t x = s.left; x < std::int64_t{s.left} + s.width; ++x) pixels.push_back({y, x});
    }
  }
  std::sort(pixels.begin(), pixels.end());
  return pixels;
}

// What the outline through the corners covers within the bounds, each pixel once.
Pixels OutlinePixels(const Corners& o, const WindowRect& b) {
  Pixels pixels;
  for (std::int64_t y = b.top; y < std::int64_t{b.top} + b.height; ++y) {
    for (std::int64_t x = b.left; x < std::int64_t{b.left} + b.width; ++x) {
      const bool inX = x >= std::min(o.x1, o.x2) && x <= std::max(o.x1, o.x2);
      const bool inY = y >= std::min(o.y1, o.y2) && y <= std::max(o.y1, o.y2);
      if (inX && inY && (x == o.x1 || x == o.x2 || y == o.y1 || y == o.y2)) pixels.push_back({y, x});
    }
  }
  return pixels;
}

TEST(OutlineStrips, EveryPixelOfTheOutlineOnceAndOnlyOnTheMonitor) {
  const WindowRect monitor{-40, 0, 80, 60};
  const Corners cases[] = {
      {-10, 5, 20, 30},  {20, 30, -10, 5},  {3, 3, 3, 3},       {3, 3, 3, 9},     {3, 3, 9, 3},
      {3, 3, 4, 4},      {3, 3, 4, 5},      {-60, -5, 10, 70},  {30, 10, 70, 20}, {INT_MIN, INT_MIN, INT_MAX, 30},
      {100, 100, 120, 120},
  };
  for (const Corners& c : cases) {
    // Equal lists: the same pixels, none inverted twice (which would not draw it).
    EXPECT_EQ(StripPixels(OutlineStrips(c, monitor)), OutlinePixels(c, monitor))
        << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

TEST(MergeAreas, NeighboursBecomeOneAndDistantAreasStayApart) {
  using Areas = std::vector<WindowRect>;
  const WindowRect monitor{0, 0, 3840, 2160};
  // A right edge moved by a pixel, and the top edge that grew with it.
  EXPECT_EQ(MergeAreas({{500, 101, 1, 300}, {501, 101, 1, 301}, {100, 100, 401, 1}, {100, 100, 402, 1}}, monitor),
            (Areas{{500, 101, 2, 301}, {100, 100, 402, 1}}));
  // The top and left edges of a large outline would make a large area.
  EXPECT_EQ(MergeAreas({{0, 0, 3840, 1}, {0, 1, 1, 2158}}, monitor), (Areas{{0, 0, 3840, 1}, {0, 1, 1, 2158}}));
  // Off the monitor or empty: gone; partly on it: the part on it.
  EXPECT_EQ(MergeAreas({{-50, 10, 40, 40}, {5, 5, 0, 9}, {3830, 2150, 40, 40}}, monitor), (Areas{{3830, 2150, 10, 10}}));
}

TEST(ReadoutLines, TheCursorAndTheNumbersTheEditsWillGet) {
  const char kKeys[] = "Ctrl: ウィンドウに合わせる  M: 拡大鏡";
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ReadoutLines({-800, 100}, std::nullopt, false), (Lines{"カーソル -800, 100", kKeys}));
  EXPECT_EQ(ReadoutLines({300, 400}, SelectedRect{-800, 100, 1101, 301}, false),
            (Lines{"カーソル 300, 400", "範囲 -800, 100  1101 × 301", kKeys}));
  EXPECT_EQ(ReadoutLines({150, 150}, SelectedRect{120, 140, 60, 20}, true),
            (Lines{"カーソル 150, 150", "ウィンドウ 120, 140  60 × 20", kKeys}));
  EXPECT_EQ(ReadoutLines({5, 6}, SelectedRect{1, 2, 400, 300}, false, Size{4, 3}, true),
            (Lines{"カーソル 5, 6", "範囲 1, 2  400 × 300  (4:3)", "矢印: 移動  Ctrl+矢印: 大きさ  M: 拡大鏡"}));
}

bool Overlap(const WindowRect& a, const WindowRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}
bool Inside(const WindowRect& r, const WindowRect& m) {
  return r.left >= m.left && r.top >= m.top && r.left + r.width <= m.left + m.width &&
         r.top + r.height <= m.top + m.height;
}

const WindowRect kMonitor{-1024, 0, 1024, 768};
constexpr Size kReadout{200, 50};
constexpr std::int32_t kM = kMagnifierSide;
constexpr std::int32_t kC = kCursorClearance;

TEST(PlaceOverlay, BelowRightOfTheCursorMagnifierFirstAndToTheOtherSideNearAnEdge) {
  struct Case {
    Point cursor;
    std::optional<Point> anchor;
    OverlayPlace place;
    const char* what;
    WindowRect monitor = kMonitor;
    bool magnifier = true;
  };
  const Case cases[] = {
      {{-800, 100}, std::nullopt, {{-780, 120 + kM + 4, 200, 50}, WindowRect{-780, 120, kM, kM}}, "in the open"},
      {{-100, 100}, std::nullopt, {{-320, 120 + kM + 4, 200, 50}, WindowRect{-120 - kM, 120, kM, kM}}, "right edge"},
      {{-800, 700}, std::nullopt, {{-780, 680 - kM - 4 - 50, 200, 50}, WindowRect{-780, 680 - kM, kM, kM}},
       "bottom edge: the magnifier still nearest the cursor"},
      {{-10, 760}, std::nullopt, {{-230, 740 - kM - 4 - 50, 200, 50}, WindowRect{-30 - kM, 740 - kM, kM, kM}},
       "the corner"},
      {{-500, 400}, Point{-300, 600}, {{-720, 380 - kM - 4 - 50, 200, 50}, WindowRect{-520 - kM, 380 - kM, kM, kM}},
       "a range dragged up and left: off the rectangle"},
      {{-1000, 10}, Point{-900, 300}, {{-980, 30 + kM + 4, 200, 50}, WindowRect{-980, 30, kM, kM}},
       "the same at the top-left corner: where there is room"},
      {{-800, 100}, std::nullopt, {{-780, 120, 200, 50}, std::nullopt}, "without the magnifier", kMonitor, false},
      {{100, 100}, std::nullopt, {{120, 120, 200, 50}, std::nullopt}, "no room for the magnifier", {0, 0, 400, 200}},
      {{100, 100}, std::nullopt, {{100, 120, 200, 50}, std::nullopt}, "no room beside the cursor: pushed onto it",
       {0, 0, 300, 200}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceOverlay(c.cursor, c.monitor, kReadout, c.magnifier, c.anchor), c.place) << c.what;
  }
}

TEST(PlaceOverlay, AnywhereOnTheMonitorItStaysThereAndOffTheCursorsPixel) {
  for (std::int32_t y = 0; y < kMonitor.height; y += 17) {
    for (std::int32_t x = kMonitor.left; x < kMonitor.left + kMonitor.width; x += 19) {
      for (std::optional<Point> anchor : {std::optional<Point>{}, std::optional(Point{x - 50, y + 50}),
                                          std::optional(Point{x + 300, y - 300})}) {
        const OverlayPlace p = PlaceOverlay({x, y}, kMonitor, kReadout, true, anchor);
        const WindowRect cursor{x, y, 1, 1};
        ASSERT_TRUE(p.magnifier.has_value());
        EXPECT_TRUE(Inside(p.readout, kMonitor) && Inside(*p.magnifier, kMonitor)) << x << "," << y;
        EXPECT_FALSE(Overlap(p.readout, cursor) || Overlap(*p.magnifier, cursor)) << x << "," << y;
        EXPECT_FALSE(Overlap(p.readout, *p.magnifier)) << x << "," << y;
      }
    }
  }
}

TEST(Magnifier, ThePictureAroundTheCursorEightTimesAsLarge) {
  const WindowRect magnifier{100, 100, kM, kM};
  // The picture of a monitor left of and one above the primary.
  const WindowRect picture{-1024, -300, 2304, 1324};
  EXPECT_EQ(MagnifierSource({500, 500}, magnifier, picture),
            (MagnifierCopy{{493 + 1024, 493 + 300, 15, 15}, {102, 102, 120, 120}}));
  // At the picture's top-left corner only its part of the square is there.
  EXPECT_EQ(MagnifierSource({-1024, -298}, magnifier, picture),
            (MagnifierCopy{{0, 0, 8, 10}, {102 + 7 * 8, 102 + 5 * 8, 64, 80}}));
  EXPECT_EQ(MagnifierSource({-2000, 2}, magnifier, picture), std::nullopt);
  EXPECT_EQ(MagnifiedCursor(magnifier), (WindowRect{102 + 56, 102 + 56, 8, 8}));
}

// The primary and a smaller monitor left of it: nothing below the latter.
TEST(MonitorAtAndStepCursor, TheMonitorThatShowsThePointAndStepsOnTheMonitorsOnly) {
  const std::vector<WindowRect> monitors{{0, 0, 1280, 1024}, {-1024, 0, 1024, 768}};
  EXPECT_EQ(MonitorAt(monitors, {-1, 100}), 1u) << "the primary touches it, but this one shows it";
  EXPECT_EQ(MonitorAt(monitors, {0, 100}), 0u);
  EXPECT_EQ(MonitorAt(monitors, {-300, 900}), 1u) << "below it, where no monitor is: the nearest";
  EXPECT_EQ(MonitorAt(monitors, {2000, 2000}), 0u);

  EXPECT_EQ(StepCursor({100, 100}, 10, 0, monitors), (Point{110, 100}));
  EXPECT_EQ(StepCursor({0, 500}, -1, 0, monitors), (Point{-1, 500})) << "onto the other monitor";
  EXPECT_EQ(StepCursor({-5, 900}, -10, 0, monitors), (Point{0, 900})) << "nothing shows it: as far as it goes";
  EXPECT_EQ(StepCursor({-500, 765}, 0, 10, monitors), (Point{-500, 767}));
  EXPECT_EQ(StepCursor({-1, 767}, 0, 10, monitors), (Point{-1, 767})) << "on the monitor it was on, beside the primary";
  EXPECT_EQ(StepCursor({1279, 1023}, 1, 1, monitors), (Point{1279, 1023}));
}

}  // namespace
}  // namespace nolb
