#include "target/range_adjust.h"

#include <gtest/gtest.h>

#include "target/screen_selection.h"

namespace nolb {
namespace {

TEST(RangeAdjust, HandlesCornersFirstThenSidesThenInside) {
  const Corners r{100, 100, 199, 149};
  const struct {
    Point at;
    Grip grip;
  } cases[] = {
      {{100, 100}, Grip::kTopLeft},  {{97, 97}, Grip::kTopLeft},     {{96, 100}, Grip::kOutside},
      {{199, 100}, Grip::kTopRight}, {{100, 149}, Grip::kBottomLeft}, {{202, 152}, Grip::kBottomRight},
      {{100, 120}, Grip::kLeft},     {{150, 100}, Grip::kTop},        {{199, 120}, Grip::kRight},
      {{150, 151}, Grip::kBottom},   {{150, 120}, Grip::kInside},     {{150, 96}, Grip::kOutside},
  };
  for (const auto& c : cases) EXPECT_EQ(GripAt(r, c.at), c.grip) << c.at.x << ", " << c.at.y;
  EXPECT_EQ(HandleSquares(r)[5], (WindowRect{146, 97, 7, 7})) << "the middle of the top side";
}

TEST(RangeAdjust, DraggingMovesResizesOrDrawsAnew) {
  const Corners r{100, 100, 499, 399};
  const struct {
    Point press, to;
    bool keepRatio;
    Corners expected;
  } cases[] = {
      {{300, 300}, {350, 280}, false, {150, 80, 549, 379}},   // inside
      {{499, 399}, {599, 449}, false, {100, 100, 599, 449}},  // a corner
      {{499, 399}, {599, 410}, true, {100, 100, 599, 474}},   // with the ratio
      {{100, 100}, {600, 500}, false, {499, 399, 600, 500}},  // turned over
      {{499, 250}, {549, 10}, false, {100, 100, 549, 399}},   // a side
      {{499, 250}, {699, 250}, true, {100, 100, 699, 549}},
      {{300, 100}, {300, 0}, true, {100, 0, 632, 399}},
      {{600, 600}, {700, 650}, false, {600, 600, 700, 650}},  // outside: a new one
      {{600, 600}, {600, 600}, false, r},  // no move: no new one
  };
  for (const auto& c : cases) {
    RangeAdjust a;
    a.Begin({499, 399, 100, 100}, Size{4, 3});
    a.Press(c.press);
    a.Drag(c.to, c.keepRatio);
    EXPECT_EQ(a.Rect(), c.expected) << c.press.x << ", " << c.press.y << " to " << c.to.x << ", " << c.to.y;
  }
  RangeAdjust keys;
  keys.Begin(r, std::nullopt);
  keys.Nudge(3, -10, false);
  keys.Nudge(-2, -1000, true);
  EXPECT_EQ(keys.Rect(), (Corners{103, 90, 500, 90})) << "moved, then never lower than a pixel";
}

TEST(RangeAdjust, TheSelectionShowsTheTargetsNumbersAndADoubleClickChooses) {
  EXPECT_EQ(ScreenOutline(100, 100, 400, 0, {10, 20}), (Corners{110, 120, 509, 120}));
  ScreenSelection s;
  s.Begin(SelectMode::kAdjust, 400, 300, {0, 0}, {},
          {.ratio = Size{4, 3}, .present = {110, 120, 509, 419}, .origin = {10, 20}});
  s.Press(MouseButton::kLeft, {509, 419});
  s.Move({609, 430});
  EXPECT_EQ(s.Pending(), (SelectedRect{100, 100, 500, 311}));
  s.SetRatioHeld(true);
  EXPECT_EQ(s.LockedRatio(), (Size{4, 3}));
  EXPECT_EQ(s.Pending(), (SelectedRect{100, 100, 500, 375})) << "Shift takes the ratio at once";
  s.Release({609, 430});
  EXPECT_TRUE(s.DoubleClick(MouseButton::kRight));
  EXPECT_TRUE(s.CoordinatesOnly());
  EXPECT_EQ(s.SelectResult(), (Corners{110, 120, 609, 494}));
}

}  // namespace
}  // namespace nolb
