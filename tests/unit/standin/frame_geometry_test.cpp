#include "standin/frame_geometry.h"

#include <gtest/gtest.h>

namespace nolb::standin {
namespace {

constexpr FitMode kAspect{.keepAspect = true, .shrink = true, .zoom = true};
constexpr FitMode kStretch{.keepAspect = false, .shrink = true, .zoom = true};
constexpr FitMode kOneToOne{.keepAspect = true, .shrink = false, .zoom = false};

TEST(FitPicture, KeepAspectFitsAndCentresWithBars) {
  // 1280 x 720 into 640 x 480: half size, bars above and below.
  EXPECT_EQ(FitPicture({1280, 720}, {640, 480}, kAspect),
            (Placement{{0, 0, 1280, 720}, {0, 60, 640, 360}}));
  // A tall picture: bars left and right.
  EXPECT_EQ(FitPicture({300, 600}, {400, 300}, kAspect),
            (Placement{{0, 0, 300, 600}, {125, 0, 150, 300}}));
}

TEST(FitPicture, ZoomEnlargesOnlyWhenAllowed) {
  EXPECT_EQ(FitPicture({160, 120}, {640, 480}, kAspect),
            (Placement{{0, 0, 160, 120}, {0, 0, 640, 480}}));
  const FitMode noZoom{.keepAspect = true, .shrink = true, .zoom = false};
  EXPECT_EQ(FitPicture({160, 120}, {640, 480}, noZoom),
            (Placement{{0, 0, 160, 120}, {240, 180, 160, 120}}));
}

TEST(FitPicture, WithoutShrinkingALargerPictureShowsItsMiddleAtOneToOne) {
  EXPECT_EQ(FitPicture({1280, 1024}, {320, 240}, kOneToOne),
            (Placement{{480, 392, 320, 240}, {0, 0, 320, 240}}));
  // Larger in one direction only: cropped there, centred in the other.
  EXPECT_EQ(FitPicture({100, 400}, {300, 200}, kOneToOne),
            (Placement{{0, 100, 100, 200}, {100, 0, 100, 200}}));
  // Zoom alone does not help when the picture would have to shrink.
  const FitMode zoomOnly{.keepAspect = true, .shrink = false, .zoom = true};
  EXPECT_EQ(FitPicture({100, 400}, {300, 200}, zoomOnly),
            (Placement{{0, 100, 100, 200}, {100, 0, 100, 200}}));
}

TEST(FitPicture, WithoutKeepAspectEachAxisFollowsItsOwnRule) {
  EXPECT_EQ(FitPicture({1280, 720}, {640, 480}, kStretch),
            (Placement{{0, 0, 1280, 720}, {0, 0, 640, 480}}));
  // Wider than the destination and lower: shrunk across, not zoomed down.
  const FitMode shrinkOnly{.keepAspect = false, .shrink = true, .zoom = false};
  EXPECT_EQ(FitPicture({800, 100}, {400, 300}, shrinkOnly),
            (Placement{{0, 0, 800, 100}, {0, 100, 400, 100}}));
}

TEST(FitPicture, RoundsToTheNearestPixelAndNeverToNothing) {
  EXPECT_EQ(FitPicture({3, 3}, {2, 2}, kAspect).destination, (Rect{0, 0, 2, 2}));
  EXPECT_EQ(FitPicture({1000, 1}, {10, 10}, kAspect).destination, (Rect{0, 4, 10, 1}));
}

TEST(FitPicture, NothingToDrawForEmptyOrNegativeSizes) {
  EXPECT_TRUE(FitPicture({0, 100}, {640, 480}, kAspect).destination.Empty());
  EXPECT_TRUE(FitPicture({-5, 100}, {640, 480}, kAspect).destination.Empty());
  EXPECT_TRUE(FitPicture({100, 100}, {0, 0}, kAspect).destination.Empty());
}

TEST(FitPicture, HugeSizesDoNotOverflow) {
  const Placement p = FitPicture({2147483647, 2147483647}, {640, 480}, kAspect);
  EXPECT_EQ(p.destination, (Rect{80, 0, 480, 480}));
}

TEST(Rotation, QuarterTurnsAndSizes) {
  EXPECT_EQ(QuarterTurns(0), 0);
  EXPECT_EQ(QuarterTurns(3), 3);
  EXPECT_EQ(QuarterTurns(4), 0);
  EXPECT_EQ(QuarterTurns(-1), 3);
  EXPECT_EQ(RotatedSize({200, 100}, 1), (Size{100, 200}));
  EXPECT_EQ(RotatedSize({200, 100}, 2), (Size{200, 100}));
  EXPECT_EQ(RotatedSize({200, 100}, 3), (Size{100, 200}));
}

TEST(Rotation, UnrotatedRectFindsThePartThatTurnsInto) {
  const Size picture{200, 100};
  // The rotated picture's top-left 10 x 20 corner.
  const Rect corner{0, 0, 10, 20};
  EXPECT_EQ(UnrotatedRect(corner, picture, 0), (Rect{0, 0, 10, 20}));
  // Clockwise: the rotated top-left comes from the picture's bottom-left.
  EXPECT_EQ(UnrotatedRect(corner, picture, 1), (Rect{0, 90, 20, 10}));
  EXPECT_EQ(UnrotatedRect(corner, picture, 2), (Rect{190, 80, 10, 20}));
  // Counter-clockwise: from the top-right.
  EXPECT_EQ(UnrotatedRect(corner, picture, 3), (Rect{180, 0, 20, 10}));
  // The whole rotated picture is the whole picture.
  EXPECT_EQ(UnrotatedRect({0, 0, 100, 200}, picture, 1), (Rect{0, 0, 200, 100}));
}

TEST(UncoveredBars, CoverEverythingTheDrawnPartDoesNot) {
  const auto bars = UncoveredBars({640, 480}, {10, 60, 600, 360});
  EXPECT_EQ(bars[0], (Rect{0, 0, 640, 60}));
  EXPECT_EQ(bars[1], (Rect{0, 420, 640, 60}));
  EXPECT_EQ(bars[2], (Rect{0, 60, 10, 360}));
  EXPECT_EQ(bars[3], (Rect{610, 60, 30, 360}));
  std::int64_t area = 600 * 360;
  for (const Rect& bar : bars) area += std::int64_t{bar.width} * bar.height;
  EXPECT_EQ(area, 640 * 480);

  const auto whole = UncoveredBars({640, 480}, {});
  EXPECT_EQ(whole[0], (Rect{0, 0, 640, 480}));
  EXPECT_TRUE(whole[1].Empty());
}

}  // namespace
}  // namespace nolb::standin
