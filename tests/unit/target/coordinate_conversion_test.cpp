#include "target/coordinate_conversion.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/fake_window_system.h"

namespace nolb {
namespace {

constexpr WindowId kDesktop = FakeWindowSystem::kDesktop;

class CoordinateConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    player_ = windows_.Add(0, {200, 150}, {800, 600}, "Player", "PlayerFrame");
    button_ = windows_.Add(player_, {260, 650}, {80, 30}, "再生", "Button");
  }

  void SetRecord(WindowId target, std::int32_t x, std::int32_t y, std::int32_t w = 320,
                 std::int32_t h = 240) {
    state_.Update([&](CaptureSettings& s, DesktopRect&) {
      s.target = target;
      s.x = x;
      s.y = y;
      s.width = w;
      s.height = h;
    });
  }
  CaptureSettings Record() { return state_.Settings(); }

  FakeWindowSystem windows_;
  CaptureState state_;
  WindowId player_ = 0, button_ = 0;
};

TEST_F(CoordinateConversion, ToDesktopKeepsTheRectangleInPlaceOnTheScreen) {
  SetRecord(player_, 10, -20, 640, 480);
  const TargetView expected{kDesktop, "Desktop", 210, 130, 640, 480};
  EXPECT_EQ(ConvertToDesktop(state_, windows_), expected);
  CaptureSettings s = Record();
  EXPECT_EQ((TargetView{s.target, "Desktop", s.x, s.y, s.width, s.height}), expected);
  EXPECT_FALSE(state_.Desktop().Remembered());  // only Apply remembers the desktop rectangle

  // Already on the desktop: the point stays.
  EXPECT_EQ(ConvertToDesktop(state_, windows_), expected);
}

TEST_F(CoordinateConversion, ToWindowTakesTheDeepestWindowAtTheCorner) {
  SetRecord(kDesktop, 270, 655, 100, 50);
  const WindowCorner expected{button_, "再生 (Button)", Point{10, 5}};
  EXPECT_EQ(ConvertToWindow(state_, windows_), expected);
  CaptureSettings s = Record();
  EXPECT_EQ(s.target, button_);
  EXPECT_EQ((Point{s.x, s.y}), (Point{10, 5}));
  EXPECT_EQ(s.width, 100);  // the size is the edits' business
}

TEST_F(CoordinateConversion, ToWindowOverBareDesktopTakesTheDesktopWindow) {
  SetRecord(kDesktop, 5, 5);
  EXPECT_EQ(ConvertToWindow(state_, windows_), (WindowCorner{kDesktop, "Desktop", Point{5, 5}}));
}

TEST_F(CoordinateConversion, ToWindowChangesNothingUnlessOnTheDesktopWithAWindowThere) {
  SetRecord(player_, 5, 5);
  EXPECT_EQ(ConvertToWindow(state_, windows_), std::nullopt);
  EXPECT_EQ(Record().target, player_);

  SetRecord(kDesktop, -300, 5);  // left of every window
  EXPECT_EQ(ConvertToWindow(state_, windows_), std::nullopt);
  EXPECT_EQ(Record().target, kDesktop);
  EXPECT_EQ(Record().x, -300);
}

TEST_F(CoordinateConversion, RoundTripReturnsToTheSameWindowAndCorner) {
  SetRecord(button_, 3, 4);
  ConvertToDesktop(state_, windows_);
  auto back = ConvertToWindow(state_, windows_);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->target, button_);
  EXPECT_EQ(back->corner, (Point{3, 4}));
}

}  // namespace
}  // namespace nolb
