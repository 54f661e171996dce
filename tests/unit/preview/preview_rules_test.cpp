#include <gtest/gtest.h>

#include <limits>

#include "base/error.h"
#include "preview/frame_rate.h"
#include "preview/preview_geometry.h"
#include "preview/preview_settings.h"
#include "status/opacity.h"
#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(FrameRatePeriod, ListItemsAndEverythingElse) {
  const std::uint32_t periods[] = {33, 66, 100, 200, 333, 1000};
  for (std::int32_t i = 0; i < 6; ++i) EXPECT_EQ(FrameRatePeriod(i), periods[i]) << kFrameRateItems[i];
  for (std::int32_t other : {-1, 6, 7, kMin, kMax}) EXPECT_EQ(FrameRatePeriod(other), 500u) << other;
}

TEST(OpacityPercent, TruncatedQuotient) {
  EXPECT_EQ(OpacityPercent(255), 100);
  EXPECT_EQ(OpacityPercent(254), 99);
  EXPECT_EQ(OpacityPercent(128), 50);
  EXPECT_EQ(OpacityPercent(32), 12);
}

TEST(VisibleOpacity, RaisedToTheTrackBarsMinimum) {
  EXPECT_EQ(VisibleOpacity(0), 32);
  EXPECT_EQ(VisibleOpacity(31), 32);
  EXPECT_EQ(VisibleOpacity(32), 32);
  EXPECT_EQ(VisibleOpacity(44), 44);
  EXPECT_EQ(VisibleOpacity(255), 255);
}

TEST(PreviewWindowSize, OnePixelFrameOnEachSideWithoutOverflow) {
  EXPECT_EQ(PreviewWindowSize(320, 240), (PixelSize{322, 242}));
  EXPECT_EQ(PreviewWindowSize(0, 0), (PixelSize{2, 2}));
  EXPECT_EQ(PreviewWindowSize(-5, kMin), (PixelSize{-3, kMin + 2}));
  EXPECT_EQ(PreviewWindowSize(kMax, kMax - 1), (PixelSize{kMax, kMax}));
}

TEST(SurfaceImageSize, FourBytesAPixelWithinTheSignedRange) {
  EXPECT_EQ(SurfaceImageSize(640, 480), 640 * 480 * 4);
  EXPECT_EQ(SurfaceImageSize(1, 1), 4);
  // The largest surface whose size is still a signed 32-bit count, and the next.
  EXPECT_EQ(SurfaceImageSize(kMax / 4, 1), kMax / 4 * 4);
  EXPECT_EQ(SurfaceImageSize(kMax / 4 + 1, 1), std::nullopt);
  EXPECT_EQ(SurfaceImageSize(65536, 8192), std::nullopt);
  EXPECT_EQ(SurfaceImageSize(kMax, kMax), std::nullopt);
  for (auto [w, h] : {std::pair{0, 240}, {320, 0}, {-1, 240}, {320, -1}, {kMin, kMin}}) {
    EXPECT_EQ(SurfaceImageSize(w, h), std::nullopt) << w << " x " << h;
  }
}

TEST(ReadPreviewSettings, DefaultsWithoutTheSection) {
  MemorySettingsStore store;
  store.Set("Main", "Top", "500");
  PreviewSettings s = ReadPreviewSettings(store);
  EXPECT_EQ(s.top, 32);
  EXPECT_EQ(s.left, 32);
  EXPECT_EQ(s.pictureWidth, 320);
  EXPECT_EQ(s.pictureHeight, 240);
  EXPECT_EQ(s.frameRate, 4);
  EXPECT_FALSE(s.alphaBlend);
  EXPECT_EQ(s.alphaBlendValue, 255);
}

TEST(ReadPreviewSettings, ValuesGoThroughTheIntegerConversion) {
  MemorySettingsStore store;
  store.Set("Preview", "Top", "-40");
  store.Set("Preview", "Left", "$10");
  store.Set("Preview", "sWidth", "abc");
  store.Set("Preview", "sHeight", " 0x1E0");
  store.Set("Preview", "FrameRate", "-1");
  store.Set("Preview", "AlphaBlend", "5");
  store.Set("Preview", "AlphaBlendValue", "300");
  PreviewSettings s = ReadPreviewSettings(store);
  EXPECT_EQ(s.top, -40);
  EXPECT_EQ(s.left, 16);
  EXPECT_EQ(s.pictureWidth, 320) << "no number gives the default";
  EXPECT_EQ(s.pictureHeight, 480);
  EXPECT_EQ(s.frameRate, -1);
  EXPECT_TRUE(s.alphaBlend);
  EXPECT_EQ(s.alphaBlendValue, 44) << "the low 8 bits of 300";
}

TEST(WritePreviewSettings, SevenKeysInOrderAndTheFirstFailureEndsIt) {
  MemorySettingsStore store;
  PreviewSettings s{.top = -7, .left = 12, .pictureWidth = 640, .pictureHeight = 480,
                    .frameRate = -1, .alphaBlend = true, .alphaBlendValue = 32};
  WritePreviewSettings(store, s);
  using W = MemorySettingsStore::WrittenKey;
  EXPECT_EQ(store.writes, (std::vector<W>{{"Preview", "Top", "-7"},
                                          {"Preview", "Left", "12"},
                                          {"Preview", "sWidth", "640"},
                                          {"Preview", "sHeight", "480"},
                                          {"Preview", "FrameRate", "-1"},
                                          {"Preview", "AlphaBlend", "1"},
                                          {"Preview", "AlphaBlendValue", "32"}}));
  EXPECT_EQ(ReadPreviewSettings(store), s);

  MemorySettingsStore failing;
  failing.failWrites = true;
  EXPECT_THROW(WritePreviewSettings(failing, s), Error);
  EXPECT_TRUE(failing.writes.empty());
}

}  // namespace
}  // namespace nolb
