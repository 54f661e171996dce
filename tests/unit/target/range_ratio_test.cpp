#include "target/range_ratio.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace nolb {
namespace {

TEST(RangeRatio, TheSizeLargerInTheRatioDecidesAndTheCornerTowardTheCursorMoves) {
  const struct {
    Point anchor, cursor;
    Size ratio;
    Corners expected;
  } cases[] = {
      {{200, 150}, {599, 300}, {4, 3}, {200, 150, 599, 449}},  // 400 x 151: the width decides
      {{200, 150}, {300, 449}, {4, 3}, {200, 150, 599, 449}},  // 101 x 300: the height decides
      {{599, 449}, {200, 400}, {4, 3}, {599, 449, 200, 150}},  // up and left
      {{0, 0}, {2, 0}, {2, 1}, {0, 0, 2, 1}},                  // 1.5 rounds up
      {{10, 10}, {10, 10}, {16, 9}, {10, 10, 11, 10}},         // one pixel
      {{0, INT32_MAX - 10}, {1, INT32_MAX - 10}, {1, 1 << 20}, {0, INT32_MAX - 10, 1, INT32_MAX}},
      {{5, 5}, {9, 6}, {0, 3}, {5, 5, 9, 6}},  // no ratio
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RatioCorners(c.anchor, c.cursor, c.ratio), c.expected) << c.cursor.x << ", " << c.cursor.y;
  }
}

TEST(RangeRatio, OfTheEditsInLowestTermsOnlyForTwoPositiveSizes) {
  EXPECT_EQ(RatioOf(320, 240), (Size{4, 3}));
  EXPECT_EQ(RatioOf(1, 1080), (Size{1, 1080}));
  EXPECT_EQ(RatioOf(0, 240), std::nullopt);
  EXPECT_EQ(RatioOf(320, -1), std::nullopt);
  EXPECT_EQ(RatioOf(INT32_MAX, 1), (Size{1 << 20, 1}));
}

}  // namespace
}  // namespace nolb
