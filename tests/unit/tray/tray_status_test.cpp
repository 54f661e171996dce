#include "tray/tray_status.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

TEST(TrayStatus, PictureAndTooltipFollowTheRedirectionAndTheHook) {
  struct Case {
    bool on, hooked;
    TrayPicture picture;
    const char* state;
  };
  const Case cases[] = {{true, true, TrayPicture::kHooked, "差し替え: 有効 (Hook : ○)"},
                        {true, false, TrayPicture::kWaiting, "差し替え: 有効 (Hook : ×)"},
                        {false, true, TrayPicture::kOff, "差し替え: 無効"},
                        {false, false, TrayPicture::kOff, "差し替え: 無効"}};
  for (const Case& c : cases) {
    EXPECT_EQ(TrayPictureFor(c.on, c.hooked), c.picture) << c.state;
    const TrayStatus status{c.on, c.hooked, "メモ帳 (Notepad)", -10, 0, 320, 240};
    EXPECT_EQ(TrayTooltip(status), std::string("NOLB\n") + c.state + "\nメモ帳 (Notepad) (-10, 0, 320 × 240)");
  }
}

TEST(TrayStatus, ALongCaptionIsCutSoThatTheWholeTooltipFits) {
  // 14 units before the caption and 14 after it leave 99: 98 characters and "…".
  std::string caption;
  for (int i = 0; i < 150; ++i) caption += "あ";
  std::string kept;
  for (int i = 0; i < 98; ++i) kept += "あ";
  EXPECT_EQ(TrayTooltip({false, false, caption, 0, 0, 1, 1}), "NOLB\n差し替え: 無効\n" + kept + "… (0, 0, 1 × 1)");
}

TEST(FitUtf16Units, CutsBetweenCharactersCountingPairsBeyondTheBasicPlaneAsTwo) {
  const std::tuple<const char*, std::size_t, const char*> cases[] = {
      {"abc", 3, "abc"},      {"abcd", 3, "ab…"},  {"a😀b", 4, "a😀b"}, {"a😀b", 3, "a…"},
      {"😀😀", 3, "😀…"},      {"😀😀", 2, "…"},      {"ab", 0, ""},        {"", 0, ""},
      {"日本語です", 4, "日本語…"}};
  for (const auto& [text, units, fitted] : cases) EXPECT_EQ(FitUtf16Units(text, units), fitted) << text << " " << units;
}

TEST(TrayIconSide, TheSmallIconAtThePrimaryMonitorsScaling) {
  const std::tuple<int, int, int> cases[] = {{1280, 1280, 16}, {1536, 1920, 20}, {1280, 1920, 24}, {1920, 3840, 32},
                                             {1280, 5120, 32}, {1280, 1000, 16}, {0, 1920, 16},     {1280, 0, 16}};
  for (const auto& [logical, physical, side] : cases) {
    EXPECT_EQ(TrayIconSide(logical, physical), side) << logical << " " << physical;
  }
}

}  // namespace
}  // namespace nolb
