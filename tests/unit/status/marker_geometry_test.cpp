#include "status/marker_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace nolb {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(MarkersAroundTarget, EachMarkerTouchesItsCornerFromOutside) {
  const HookTarget target{7, 10, 20, 320, 240};
  const MarkerPlaces places = MarkersAroundTarget(target, Point{100, 100});
  // Rectangle on the screen: left 110, top 120, right 430, bottom 360.
  EXPECT_EQ(places[0], (Point{78, 88}));
  EXPECT_EQ(places[1], (Point{430, 88}));
  EXPECT_EQ(places[2], (Point{78, 360}));
  EXPECT_EQ(places[3], (Point{430, 360}));
}

TEST(MarkersAroundTarget, OffsetsFollowTheMarkerSizeOnEachAxis) {
  const MarkerPlaces places = MarkersAroundTarget(HookTarget{1, 0, 0, 10, 20}, Point{-5, 3}, Size{4, 6});
  EXPECT_EQ(places[0], (Point{-9, -3}));
  EXPECT_EQ(places[1], (Point{5, -3}));
  EXPECT_EQ(places[2], (Point{-9, 23}));
  EXPECT_EQ(places[3], (Point{5, 23}));
}

TEST(MarkersAroundTarget, EmptyAndInvertedRectanglesKeepTheFormula) {
  const MarkerPlaces empty = MarkersAroundTarget(HookTarget{1, 0, 0, 0, 0}, Point{0, 0});
  EXPECT_EQ(empty[0], (Point{-32, -32}));
  EXPECT_EQ(empty[3], (Point{0, 0}));
  const MarkerPlaces inverted = MarkersAroundTarget(HookTarget{1, 100, 100, -50, -60}, Point{0, 0});
  EXPECT_EQ(inverted[0], (Point{68, 68}));
  EXPECT_EQ(inverted[3], (Point{50, 40}));
}

TEST(MarkersAroundTarget, ExtremeValuesAreHeldWithinTheRangeOfAWindow) {
  const MarkerPlaces high = MarkersAroundTarget(HookTarget{1, kMax, kMax, kMax, kMax}, Point{kMax, kMax});
  EXPECT_EQ(high[0], (Point{kMax - 32, kMax - 32}));
  EXPECT_EQ(high[3], (Point{kMax - 32, kMax - 32}));
  const MarkerPlaces low = MarkersAroundTarget(HookTarget{1, kMin, kMin, kMin, kMin}, Point{kMin, kMin});
  EXPECT_EQ(low[0], (Point{kMin, kMin}));
  EXPECT_EQ(low[3], (Point{kMin, kMin}));
  // Sums that overflow only in the middle still come out exact.
  const MarkerPlaces wide = MarkersAroundTarget(HookTarget{1, kMax, 0, kMin, 0}, Point{0, 0});
  EXPECT_EQ(wide[1], (Point{-1, -32}));
}

TEST(ParkedMarkers, AllFourStandAThousandPixelsBeforeTheVirtualScreen) {
  for (const Point& place : ParkedMarkers(Point{0, 0})) EXPECT_EQ(place, (Point{-1000, -1000}));
  for (const Point& place : ParkedMarkers(Point{-1920, 200})) EXPECT_EQ(place, (Point{-2920, -800}));
  for (const Point& place : ParkedMarkers(Point{kMin + 10, kMin})) EXPECT_EQ(place, (Point{kMin, kMin}));
}

}  // namespace
}  // namespace nolb
