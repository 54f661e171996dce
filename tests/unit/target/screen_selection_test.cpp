#include "target/screen_selection.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace nolb {
namespace {

TEST(ScreenSelectionArithmetic, RangeGivesTheRectangleWhicheverWayItWasDragged) {
  const SelectedRect expected{100, 50, 101, 101};
  EXPECT_EQ(RangeRectangle({200, 150, 100, 50}), expected);
  EXPECT_EQ(RangeRectangle({100, 50, 200, 150}), expected);
  EXPECT_EQ(RangeRectangle({100, 150, 200, 50}), expected);
  EXPECT_EQ(RangeRectangle({7, 9, 7, 9}), (SelectedRect{7, 9, 1, 1}));
  // An end corner in column 0 or row 0, and corners on a monitor left of
  // and above the primary.
  EXPECT_EQ(RangeRectangle({200, 150, 0, 0}), (SelectedRect{0, 0, 201, 151}));
  EXPECT_EQ(RangeRectangle({-100, -50, -300, 20}), (SelectedRect{-300, -50, 201, 71}));
}

TEST(ScreenSelectionArithmetic, PositionOutlineCoversExactlyTheSizeAroundThePoint) {
  EXPECT_EQ(PositionOutline({1000, 500}, 320, 240), (Corners{840, 380, 1159, 619}));
  // Odd sizes: the extra pixel lies right of and below the point.
  const Corners odd = PositionOutline({10, 20}, 5, 3);
  EXPECT_EQ(odd, (Corners{8, 19, 12, 21}));
  EXPECT_EQ(odd.x2 - odd.x1 + 1, 5);
  EXPECT_EQ(odd.y2 - odd.y1 + 1, 3);
  EXPECT_EQ(PositionOutline({0, 0}, 1, 1), (Corners{0, 0, 0, 0}));
}

// Sizes up to the limits of the edits ("2147483647", "-2147483648"): the
// corner a click takes is exact, the far corner as 32-bit arithmetic leaves it.
TEST(ScreenSelectionArithmetic, PositionOutlineOfAnyTypedSizeStaysDefined) {
  constexpr std::int32_t kMax = INT32_MAX;
  constexpr std::int32_t kMin = INT32_MIN;
  EXPECT_EQ(PositionOutline({640, 512}, kMax, kMax),
            (Corners{640 - 1073741823, 512 - 1073741823, 640 + 1073741823, 512 + 1073741823}));
  EXPECT_EQ(PositionOutline({640, 512}, kMin, kMin),
            (Corners{640 + 1073741824, 512 + 1073741824, 640 - 1073741825, 512 - 1073741825}));
  EXPECT_EQ(PositionOutline({kMax, kMin}, kMax, kMax),
            (Corners{1073741824, 1073741825, -1073741826, -1073741825}));
  EXPECT_EQ(PositionOutline({kMin, kMax}, kMin, kMin),
            (Corners{-1073741824, -1073741825, 1073741823, 1073741822}));

  ScreenSelection s;
  s.Begin(SelectMode::kPosition, kMax, kMin, {0, 0});
  s.Move({1279, 1023});
  s.Press(MouseButton::kLeft, {1279, 1023});
  CaptureState state;
  ASSERT_TRUE(TakeSelection(state, s.ResultMode(), s.SelectResult()));
  EXPECT_EQ(state.Settings().x, 1279 - 1073741823);
  EXPECT_EQ(state.Settings().y, 1023 + 1073741824);
}

TEST(ScreenSelectionRange, DragShowsOneOutlineAndTheNumbersAndEndsWithIt) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0, {5, 5});
  s.Move({6, 6});
  EXPECT_EQ(s.Outline(), std::nullopt) << "a move without a press shows nothing";
  EXPECT_EQ(s.Pending(), std::nullopt);
  EXPECT_FALSE(s.Press(MouseButton::kLeft, {200, 150}));
  EXPECT_EQ(s.Outline(), std::nullopt);
  EXPECT_EQ(s.DragAnchor(), (Point{200, 150}));
  s.Move({150, 100});
  EXPECT_EQ(s.Outline(), (Corners{200, 150, 150, 100}));
  s.Move({100, 50});
  EXPECT_EQ(s.Outline(), (Corners{200, 150, 100, 50}));
  EXPECT_EQ(s.Pending(), (SelectedRect{100, 50, 101, 101})) << "the numbers the edits will get";

  EXPECT_TRUE(s.Release({100, 50}));
  EXPECT_TRUE(s.Chosen());
  EXPECT_FALSE(s.CoordinatesOnly());
  EXPECT_EQ(s.SelectResult(), (Corners{200, 150, 100, 50}));
  EXPECT_EQ(s.ResultMode(), SelectMode::kRange);
  EXPECT_EQ(s.Outline(), std::nullopt);
}

TEST(ScreenSelectionRange, ReleaseEndsWhereTheButtonComesUp) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0, {10, 10});
  s.Press(MouseButton::kRight, {10, 10});
  s.Move({20, 20});
  EXPECT_TRUE(s.Release({30, 40}));
  EXPECT_EQ(s.SelectResult(), (Corners{10, 10, 30, 40}));
  EXPECT_TRUE(s.CoordinatesOnly());
  s.Begin(SelectMode::kRange, 0, 0, {10, 10});
  s.Press(MouseButton::kLeft, {10, 10});
  EXPECT_TRUE(s.Release({30, 40}));
  EXPECT_EQ(s.SelectResult(), (Corners{10, 10, 30, 40})) << "no move seen between";
}

TEST(ScreenSelectionRange, PressAndReleaseInPlaceChooseNoRangeAndStrayReleasesAreIgnored) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0, {3, 3});
  EXPECT_FALSE(s.Release({3, 3})) << "a release without a press on the window";
  EXPECT_FALSE(s.Chosen());

  s.Press(MouseButton::kMiddle, {60, 70});
  EXPECT_TRUE(s.Release({60, 70}));
  EXPECT_TRUE(s.Chosen());
  EXPECT_FALSE(s.CoordinatesOnly());
  EXPECT_EQ(s.SelectResult(), std::nullopt);
  CaptureState state;
  EXPECT_FALSE(TakeSelection(state, SelectMode::kRange, s.SelectResult()));

  // A range dragged to the corner of the primary monitor is a range.
  s.Begin(SelectMode::kRange, 0, 0, {60, 70});
  s.Press(MouseButton::kLeft, {60, 70});
  s.Move({30, 30});
  s.Release({0, 0});
  EXPECT_EQ(s.SelectResult(), (Corners{60, 70, 0, 0}));
  EXPECT_TRUE(TakeSelection(state, SelectMode::kRange, s.SelectResult()));
}

TEST(ScreenSelectionPosition, OutlineFollowsTheCursorAndAPressChoosesIt) {
  ScreenSelection s;
  s.Begin(SelectMode::kPosition, 320, 240, {100, 100});
  EXPECT_EQ(s.Outline(), PositionOutline({100, 100}, 320, 240)) << "around the cursor at once";
  s.Move({1000, 500});
  EXPECT_EQ(s.Outline(), (Corners{840, 380, 1159, 619}));
  EXPECT_EQ(s.Pending(), (SelectedRect{840, 380, 320, 240}));
  // The rectangle shown is placed, also when the press's own point differs.
  EXPECT_TRUE(s.Press(MouseButton::kLeft, {1001, 500}));
  EXPECT_EQ(s.SelectResult(), (Corners{840, 380, 1159, 619}));
  EXPECT_EQ(s.ResultMode(), SelectMode::kPosition);
  EXPECT_FALSE(s.Release({1000, 500}));
}

TEST(ScreenSelection, BeginForgetsTheLastSelection) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0, {1, 1});
  s.Press(MouseButton::kLeft, {1, 1});
  s.Move({9, 9});
  s.Begin(SelectMode::kPosition, 4, 4, {20, 20});  // a close by Esc during the drag, then a new showing
  EXPECT_FALSE(s.Chosen());
  EXPECT_FALSE(s.Dragging());
  EXPECT_EQ(s.Outline(), PositionOutline({20, 20}, 4, 4));
  EXPECT_EQ(s.SelectResult(), std::nullopt);
}

// Enter is the left button at the cursor, Shift+Enter the right one; in
// range mode the second Enter ends the range, and Shift on either only
// fills in the values. The arrow keys step the cursor; mouse moves to where
// they took it or to where it was, reported late and in any order, do not
// take it back; a move elsewhere does.
TEST(ScreenSelectionKeys, EnterChoosesAtTheCursorAndTheArrowKeysStepIt) {
  struct Case {
    bool shiftFirst, shiftSecond, coordinatesOnly;
  };
  for (const Case c : {Case{false, false, false}, Case{true, false, true}, Case{false, true, true}}) {
    ScreenSelection s;
    s.Begin(SelectMode::kRange, 0, 0, {200, 150});
    EXPECT_FALSE(s.Enter(c.shiftFirst, {203, 170}));
    s.Move({240, 175});
    EXPECT_TRUE(s.Enter(c.shiftSecond, {253, 177}));
    EXPECT_EQ(s.SelectResult(), (Corners{203, 170, 253, 177}));
    EXPECT_EQ(s.CoordinatesOnly(), c.coordinatesOnly) << c.shiftFirst << c.shiftSecond;
  }
  ScreenSelection s;
  s.Begin(SelectMode::kPosition, 320, 240, {100, 100});
  EXPECT_TRUE(s.Enter(true, {1000, 500})) << "placed around the cursor, even before any move";
  EXPECT_EQ(s.SelectResult(), (Corners{840, 380, 1159, 619}));
  EXPECT_TRUE(s.CoordinatesOnly());

  const std::vector<WindowRect> monitors{{0, 0, 1280, 1024}};
  s.Begin(SelectMode::kRange, 0, 0, {200, 150});
  s.Enter(false, s.Cursor());
  EXPECT_EQ(s.Step(1, 0, monitors, 0), (Point{201, 150}));
  EXPECT_EQ(s.Step(1, 0, monitors, 0), (Point{202, 150}));
  EXPECT_EQ(s.Step(0, 10, monitors, 0), (Point{202, 160}));
  for (Point late : {Point{201, 150}, Point{200, 150}, Point{202, 160}, Point{202, 150}}) s.Move(late);
  EXPECT_EQ(s.Cursor(), (Point{202, 160}));
  EXPECT_EQ(s.Outline(), (Corners{200, 150, 202, 160}));
  s.Move({500, 500});
  s.Move({202, 150});
  EXPECT_EQ(s.Cursor(), (Point{202, 150})) << "after a move of the user's, every point counts";
  EXPECT_EQ(s.Step(5000, 0, monitors, 0), (Point{1279, 150})) << "on the monitors";
}

// Ctrl shows the client area of the window under the cursor, unless a range
// is being dragged; a press then takes it whole, in either mode.
TEST(ScreenSelectionSnap, CtrlShowsTheWindowAreaAndAPressTakesIt) {
  const WindowSnapshot windows{{.frame = {600, 100, 200, 200}, .client = {600, 100, 200, 200}, .own = true},
                               {.frame = {100, 100, 400, 300}, .client = {108, 130, 384, 262}}};
  const Corners area{108, 130, 491, 391};
  for (SelectMode mode : {SelectMode::kRange, SelectMode::kPosition}) {
    ScreenSelection s;
    s.Begin(mode, 10, 10, {50, 50}, windows);
    s.Move({300, 200});
    const std::optional<Corners> plain = s.Outline();
    s.SetSnapping(true);
    EXPECT_TRUE(s.Snapped());
    EXPECT_EQ(s.Outline(), area);
    EXPECT_EQ(s.Pending(), (SelectedRect{108, 130, 384, 262}));
    s.Move({650, 150});
    EXPECT_FALSE(s.Snapped()) << "never the panel's own window";
    s.Move({300, 200});
    s.SetSnapping(false);
    EXPECT_EQ(s.Outline(), plain) << "without Ctrl nothing changes";

    s.SetSnapping(true);
    EXPECT_TRUE(s.Press(MouseButton::kRight, {300, 200}));
    EXPECT_EQ(s.SelectResult(), area);
    EXPECT_EQ(s.ResultMode(), SelectMode::kRange);
    EXPECT_TRUE(s.CoordinatesOnly());
  }

  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0, {50, 50}, windows);
  s.Press(MouseButton::kLeft, {300, 200});
  s.SetSnapping(true);
  s.Move({310, 210});
  EXPECT_FALSE(s.Snapped()) << "a range being dragged goes on";
  EXPECT_EQ(s.Outline(), (Corners{300, 200, 310, 210}));
}

TEST(ScreenSelectionTake, RangeReplacesTheRectanglePositionOnlyTheCorner) {
  CaptureState state;
  state.Update([](CaptureSettings& s, DesktopRect&) { s = {7, 1, 2, 320, 240}; });
  EXPECT_FALSE(TakeSelection(state, SelectMode::kRange, std::nullopt));
  EXPECT_EQ(state.Settings().x, 1);

  EXPECT_TRUE(TakeSelection(state, SelectMode::kRange, Corners{200, 150, 100, 50}));
  CaptureSettings s = state.Settings();
  EXPECT_EQ((SelectedRect{s.x, s.y, s.width, s.height}), (SelectedRect{100, 50, 101, 101}));
  EXPECT_EQ(s.target, 7u);

  EXPECT_TRUE(TakeSelection(state, SelectMode::kPosition, Corners{840, 380, 1159, 619}));
  s = state.Settings();
  EXPECT_EQ((SelectedRect{s.x, s.y, s.width, s.height}), (SelectedRect{840, 380, 101, 101}));
}

}  // namespace
}  // namespace nolb
