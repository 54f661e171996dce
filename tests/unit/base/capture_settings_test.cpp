#include "base/capture_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/error.h"
#include "tests/unit/fakes/recording_hook.h"

namespace nolb {
namespace {

using ::testing::ElementsAre;

constexpr WindowId kDesktop = 0x10010;
constexpr WindowId kOtherWindow = 0x20020;

ApplyInput Input(std::string x, std::string y, std::string width, std::string height) {
  ApplyInput in;
  in.x = std::move(x);
  in.y = std::move(y);
  in.width = std::move(width);
  in.height = std::move(height);
  in.fixAspect = true;
  in.showCursor = true;
  in.rotateIndex = 0;
  in.bltModeIndex = 0;
  return in;
}

class ApplyTest : public ::testing::Test {
 protected:
  void SetTarget(WindowId target) {
    state.Update([&](CaptureSettings& s, DesktopRect&) { s.target = target; });
  }
  CaptureState state;
  RecordingHook hook;
};

TEST_F(ApplyTest, PushesTheControlsAsOneLockedGroup) {
  SetTarget(kDesktop);
  ApplyInput in = Input("0", "0", "320", "240");
  in.rotateIndex = 3;
  Apply(state, in, kDesktop, hook);
  EXPECT_THAT(hook.calls, ElementsAre("Lock", "SetMode 1 1 0 1 0 3",
                                      "SetTarget " + std::to_string(kDesktop) + " 0 0 320 240",
                                      "Enabled 1", "Unlock"));
}

TEST_F(ApplyTest, ModeFlagsComeFromTheControls) {
  ApplyInput in = Input("1", "2", "3", "4");
  in.fixAspect = false;
  in.zoom = true;  // a disabled but checked box still counts
  in.showCursor = false;
  in.showAlphaWindow = true;
  in.bltModeIndex = 1;  // "縮小しない": no shrinking
  in.rotateIndex = 2;
  Apply(state, in, kDesktop, hook);
  EXPECT_EQ(hook.calls[1], "SetMode 0 0 1 0 1 2");
}

TEST_F(ApplyTest, ShrinkFlagKeepsItsValueWithoutASelectedMethod) {
  ApplyInput in = Input("0", "0", "1", "1");
  in.bltModeIndex = 0;
  Apply(state, in, kDesktop, hook);
  in.bltModeIndex = -1;
  Apply(state, in, kDesktop, hook);
  EXPECT_EQ(state.Settings().useDirectDraw, 1);
  in.bltModeIndex = 1;
  Apply(state, in, kDesktop, hook);
  in.bltModeIndex = -1;
  Apply(state, in, kDesktop, hook);
  EXPECT_EQ(state.Settings().useDirectDraw, 0);
}

TEST_F(ApplyTest, RotationWithoutASelectedItemIsNeverMinusOne) {
  ApplyInput in = Input("0", "0", "1", "1");
  in.rotateIndex = -1;
  Apply(state, in, kDesktop, hook);
  EXPECT_EQ(hook.calls[1], "SetMode 1 1 0 1 0 0");
}

TEST_F(ApplyTest, ABadEditStopsAtThatEditAndPushesNothing) {
  SetTarget(kDesktop);
  Apply(state, Input("1", "2", "3", "4"), kDesktop, hook);
  hook.calls.clear();
  ApplyInput in = Input("10", "abc", "30", "40");
  in.zoom = true;
  try {
    Apply(state, in, kDesktop, hook);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'abc' は整数ではありません");
  }
  EXPECT_TRUE(hook.calls.empty());
  CaptureSettings s = state.Settings();
  EXPECT_EQ(s.x, 10);  // converted before the bad edit
  EXPECT_EQ(s.y, 2);
  EXPECT_EQ(s.width, 3);
  EXPECT_FALSE(s.zoom);
  DesktopRect d = state.Desktop();
  EXPECT_EQ(d.x, 1);  // the remembered rectangle is untouched
}

TEST_F(ApplyTest, OnlyTheDesktopAsTargetIsRemembered) {
  SetTarget(kDesktop);
  Apply(state, Input("5", "6", "7", "8"), kDesktop, hook);
  SetTarget(kOtherWindow);
  Apply(state, Input("50", "60", "70", "80"), kDesktop, hook);
  DesktopRect d = state.Desktop();
  EXPECT_EQ((std::vector<int>{d.x, d.y, d.width, d.height}), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_TRUE(d.Remembered());
}

TEST(PushCaptureSettings, UnlocksWhenACallOfTheGroupFails) {
  for (const char* failing : {"SetMode", "SetTarget", "Enabled"}) {
    RecordingHook hook;
    hook.failOn = failing;
    EXPECT_THROW(PushCaptureSettings(CaptureSettings{}, hook), std::runtime_error) << failing;
    ASSERT_FALSE(hook.calls.empty());
    EXPECT_EQ(hook.calls.back(), "Unlock") << failing;
    EXPECT_EQ(std::count(hook.calls.begin(), hook.calls.end(), "Unlock"), 1) << failing;
  }
}

TEST(Disable, SwitchesOffOutsideAGroup) {
  RecordingHook hook;
  Disable(hook);
  EXPECT_THAT(hook.calls, ElementsAre("Enabled 0"));
}

}  // namespace
}  // namespace nolb
