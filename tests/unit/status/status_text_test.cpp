#include "status/status_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nolb {
namespace {

constexpr std::uint32_t kMiB = 1024 * 1024;

TEST(VideoMemoryText, UsedMemoryInMebibytesWithOneDecimal) {
  EXPECT_EQ(VideoMemoryText(128 * kMiB, 64 * kMiB), "64.0MB");
  EXPECT_EQ(VideoMemoryText(128 * kMiB, 128 * kMiB), "0.0MB");
  EXPECT_EQ(VideoMemoryText(0, 0), "0.0MB");
  EXPECT_EQ(VideoMemoryText(129 * kMiB, kMiB / 2), "128.5MB");
  EXPECT_EQ(VideoMemoryText(64 * kMiB + kMiB / 2, 0), "64.5MB");
  EXPECT_EQ(VideoMemoryText(UINT32_MAX, 0), "4096.0MB");
  EXPECT_EQ(VideoMemoryText(kMiB + kMiB / 20 * 3, 0), "1.1MB");  // 1.149... rounds down
}

TEST(VideoMemoryText, MoreFreeThanTotalGivesNoFigure) {
  EXPECT_EQ(VideoMemoryText(64 * kMiB, 64 * kMiB + 1), std::nullopt);
  EXPECT_EQ(VideoMemoryText(0, UINT32_MAX), std::nullopt);
}

TEST(ProcessingTimeText, MillisecondsWithTwoDecimals) {
  EXPECT_EQ(ProcessingTimeText(0), "0.00ms");
  EXPECT_EQ(ProcessingTimeText(1), "1000.00ms");
  EXPECT_EQ(ProcessingTimeText(0.0125), "12.50ms");
  EXPECT_EQ(ProcessingTimeText(0.000004), "0.00ms");
  EXPECT_EQ(ProcessingTimeText(0.0333337), "33.33ms");
  EXPECT_EQ(ProcessingTimeText(-0.002), "-2.00ms");
  // The largest figure comes out with every digit, nothing cut.
  const std::string largest = ProcessingTimeText(std::numeric_limits<double>::max() / 1000);
  EXPECT_EQ(largest.size(), 309u + 5u);
  EXPECT_TRUE(largest.ends_with(".00ms"));
  EXPECT_EQ(ProcessingTimeText(std::nan("")), "nanms");
}

TEST(HookMark, CircleWhileHookedCrossOtherwise) {
  EXPECT_EQ(HookMark(true), "\xE2\x97\x8B");
  EXPECT_EQ(HookMark(false), "\xC3\x97");
}

TEST(Animation, PhaseAlternatesAndSelectsTheImageSet) {
  EXPECT_EQ(NextAnimationPhase(0), 1);
  EXPECT_EQ(NextAnimationPhase(1), 0);
  EXPECT_EQ(NextAnimationPhase(NextAnimationPhase(0)), 0);
  for (int marker = 0; marker < 4; ++marker) {
    EXPECT_EQ(MarkerImageIndex(0, marker), marker);
    EXPECT_EQ(MarkerImageIndex(1, marker), marker + 4);
  }
}

}  // namespace
}  // namespace nolb
