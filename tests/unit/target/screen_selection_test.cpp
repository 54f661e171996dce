#include "target/screen_selection.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace nolb {
namespace {

using Outlines = std::vector<Corners>;

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
  s.Begin(SelectMode::kPosition, kMax, kMin);
  s.Paint({0, 0});
  s.Move({1279, 1023});
  s.Press(MouseButton::kLeft, {1279, 1023});
  CaptureState state;
  ASSERT_TRUE(TakeSelection(state, SelectMode::kPosition, s.SelectResult()));
  EXPECT_EQ(state.Settings().x, 1279 - 1073741823);
  EXPECT_EQ(state.Settings().y, 1023 + 1073741824);
}

TEST(ScreenSelectionRange, DragDrawsOneOutlineAtATimeAndEndsWithItErased) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0);
  EXPECT_TRUE(s.Move({5, 5}).invert.empty()) << "a move without a press draws nothing";
  EXPECT_TRUE(s.Press(MouseButton::kLeft, {200, 150}).invert.empty());
  EXPECT_EQ(s.Move({150, 100}).invert, (Outlines{{200, 150, 150, 100}}));
  EXPECT_EQ(s.Move({100, 50}).invert, (Outlines{{200, 150, 150, 100}, {200, 150, 100, 50}}));

  SelectionStep end = s.Release(MouseButton::kLeft, {100, 50});
  EXPECT_EQ(end.invert, (Outlines{{200, 150, 100, 50}}));
  EXPECT_TRUE(end.close);
  EXPECT_TRUE(s.Chosen());
  EXPECT_FALSE(s.CoordinatesOnly());
  EXPECT_EQ(s.SelectResult(), (Corners{200, 150, 100, 50}));
  EXPECT_EQ(s.Drawn(), std::nullopt);
}

TEST(ScreenSelectionRange, ReleaseEndsWhereTheButtonComesUp) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0);
  s.Press(MouseButton::kRight, {10, 10});
  s.Move({20, 20});
  SelectionStep end = s.Release(MouseButton::kRight, {30, 40});
  EXPECT_EQ(end.invert, (Outlines{{10, 10, 20, 20}, {10, 10, 30, 40}, {10, 10, 30, 40}}));
  EXPECT_EQ(s.SelectResult(), (Corners{10, 10, 30, 40}));
  EXPECT_TRUE(s.CoordinatesOnly());
}

TEST(ScreenSelectionRange, PressAndReleaseInPlaceChooseNoRangeAndStrayReleasesAreIgnored) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0);
  SelectionStep stray = s.Release(MouseButton::kLeft, {3, 3});
  EXPECT_FALSE(stray.close) << "a release without a press on the window";
  EXPECT_FALSE(s.Chosen());

  s.Press(MouseButton::kMiddle, {60, 70});
  SelectionStep end = s.Release(MouseButton::kMiddle, {60, 70});
  EXPECT_TRUE(end.invert.empty());
  EXPECT_TRUE(end.close);
  EXPECT_TRUE(s.Chosen());
  EXPECT_FALSE(s.CoordinatesOnly());
  EXPECT_EQ(s.SelectResult(), std::nullopt);
  CaptureState state;
  EXPECT_FALSE(TakeSelection(state, SelectMode::kRange, s.SelectResult()));

  // A range dragged to the corner of the primary monitor is a range.
  s.Begin(SelectMode::kRange, 0, 0);
  s.Press(MouseButton::kLeft, {60, 70});
  s.Move({30, 30});
  s.Release(MouseButton::kLeft, {0, 0});
  EXPECT_EQ(s.SelectResult(), (Corners{60, 70, 0, 0}));
  EXPECT_TRUE(TakeSelection(state, SelectMode::kRange, s.SelectResult()));
}

TEST(ScreenSelectionPosition, OutlineFollowsTheCursorAndAPressChoosesIt) {
  ScreenSelection s;
  s.Begin(SelectMode::kPosition, 320, 240);
  s.Paint({100, 100});
  EXPECT_EQ(s.Drawn(), PositionOutline({100, 100}, 320, 240));
  s.Paint({300, 300});
  EXPECT_EQ(s.Drawn(), PositionOutline({100, 100}, 320, 240)) << "only the first paint places it";

  EXPECT_EQ(s.Move({1000, 500}).invert,
            (Outlines{PositionOutline({100, 100}, 320, 240), {840, 380, 1159, 619}}));
  EXPECT_TRUE(s.Move({1000, 500}).invert.empty());
  SelectionStep end = s.Press(MouseButton::kLeft, {1000, 500});
  EXPECT_EQ(end.invert, (Outlines{{840, 380, 1159, 619}}));
  EXPECT_TRUE(end.close);
  EXPECT_EQ(s.SelectResult(), (Corners{840, 380, 1159, 619}));
  EXPECT_FALSE(s.Release(MouseButton::kLeft, {1000, 500}).close);
}

TEST(ScreenSelection, BeginForgetsTheLastSelection) {
  ScreenSelection s;
  s.Begin(SelectMode::kRange, 0, 0);
  s.Press(MouseButton::kLeft, {1, 1});
  s.Move({9, 9});
  s.Begin(SelectMode::kPosition, 4, 4);  // a close by Esc during the drag, then a new showing
  EXPECT_FALSE(s.Chosen());
  EXPECT_FALSE(s.Dragging());
  EXPECT_EQ(s.Drawn(), std::nullopt);
  EXPECT_EQ(s.SelectResult(), std::nullopt);
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
