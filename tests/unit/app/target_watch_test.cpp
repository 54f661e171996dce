#include "app/target_watch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/unit/fakes/target_watch_fakes.h"

namespace nolb {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr WindowId kDesktop = 1;
constexpr WindowId kTarget = 42;
constexpr WindowId kLibraryWindow = 7;

class TargetWatchTest : public ::testing::Test {
 protected:
  TargetWatchTest() {
    state.Update([](CaptureSettings& s, DesktopRect& d) {
      s = CaptureSettings{kTarget, 10, 20, 320, 240, 1, true, false, true, false, 2};
      d = DesktopRect{0, 0, 1280, 1024};
    });
    shell.uncheckFollowWindowSize = [this] { log.push_back("uncheck follow size"); };
    // The desktop button's handler without a sender, as the main window has it.
    shell.selectDesktop = [this] {
      log.push_back("select desktop");
      state.Update([](CaptureSettings& s, DesktopRect& d) {
        s.target = kDesktop;
        if (d.Remembered()) s.x = d.x, s.y = d.y, s.width = d.width, s.height = d.height;
      });
    };
    shell.targetLost = [this](const HookTarget& lost) {
      log.push_back("lost " + std::to_string(lost.window) + " " + std::to_string(lost.x) + " " +
                    std::to_string(lost.y) + " " + std::to_string(lost.width) + " " +
                    std::to_string(lost.height));
    };
    shell.placeMarkers = [this](const MarkerPlaces& places) {
      log.push_back("place markers");
      placed.push_back(places);
    };
  }

  void Tick(bool markersShown) {
    log.clear();
    TargetWatchTick(state, hook, windows, markersShown, shell);
  }

  watch_fakes::CallLog log;
  watch_fakes::Hook hook{log};
  watch_fakes::Windows windows{log};
  CaptureState state;
  TargetWatchShell shell;
  std::vector<MarkerPlaces> placed;
};

TEST_F(TargetWatchTest, VanishedTargetWhileEnabledFallsBackToTheDesktopAndPushesTheRecord) {
  hook.enabled = true;
  Tick(false);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsWindow 42", "uncheck follow size", "select desktop",
                               "Lock", "SetMode 0 1 1 0 1 2", "SetTarget 1 0 0 1280 1024",
                               "Enabled 1", "Unlock", "lost 42 10 20 320 240"));
  EXPECT_EQ(state.Settings().target, kDesktop);
  // The desktop exists: the next tick leaves everything alone.
  Tick(false);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsWindow 1"));
}

TEST_F(TargetWatchTest, VanishedTargetWhileDisabledWaitsForTheNextPush) {
  Tick(false);
  EXPECT_THAT(log, ElementsAre("IsEnabled"));
  EXPECT_EQ(state.Settings().target, kTarget);

  hook.enabled = true;  // a push switched the redirection on
  Tick(false);
  EXPECT_THAT(log, ::testing::Contains("select desktop"));
  EXPECT_EQ(hook.target.window, kDesktop);
}

TEST_F(TargetWatchTest, ShownMarkersFrameTheLibrarysRectangleOnTheScreen) {
  windows.windows.insert({kTarget, kLibraryWindow});
  windows.clientOrigins[kLibraryWindow] = Point{100, 100};
  hook.enabled = true;
  // The library's own target, not the record's, decides where the markers go.
  hook.target = HookTarget{kLibraryWindow, 10, 20, 320, 240};
  Tick(true);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsWindow 42", "IsEnabled", "GetTarget", "IsWindow 7",
                               "ClientToScreen 7", "place markers"));
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0], (MarkerPlaces{{{78, 88}, {430, 88}, {78, 360}, {430, 360}}}));
}

TEST_F(TargetWatchTest, MarkersAreParkedWhenThereIsNoRectangleToFrame) {
  windows.virtualScreenOrigin = Point{-1920, -200};
  const MarkerPlaces parked = ParkedMarkers(Point{-1920, -200});

  // Redirection off: the library's target is not even asked for.
  Tick(true);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsEnabled", "VirtualScreenOrigin", "place markers"));

  // Redirection on, but the library's window is gone.
  windows.windows.insert(kTarget);
  hook.enabled = true;
  hook.target = HookTarget{kLibraryWindow, 10, 20, 320, 240};
  Tick(true);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsWindow 42", "IsEnabled", "GetTarget", "IsWindow 7",
                               "VirtualScreenOrigin", "place markers"));
  EXPECT_THAT(placed, ElementsAre(parked, parked));
  EXPECT_EQ(parked[0], (Point{-2920, -1200}));
}

TEST_F(TargetWatchTest, LivingTargetAndHiddenMarkersAreLeftAlone) {
  windows.windows.insert(kTarget);
  hook.enabled = true;
  Tick(false);
  EXPECT_THAT(log, ElementsAre("IsEnabled", "IsWindow 42"));
  EXPECT_EQ(state.Settings().target, kTarget);
  EXPECT_THAT(placed, IsEmpty());
}

TEST_F(TargetWatchTest, MarkersOfTheSameTickFollowTheFallback) {
  hook.enabled = true;
  hook.target = HookTarget{kTarget, 10, 20, 320, 240};
  Tick(true);
  // The desktop's client area starts at the screen origin.
  ASSERT_EQ(placed.size(), 1u);
  EXPECT_EQ(placed[0], (MarkerPlaces{{{-32, -32}, {1280, -32}, {-32, 1024}, {1280, 1024}}}));
  EXPECT_THAT(std::vector(log.end() - 7, log.end()),
              ElementsAre("Unlock", "lost 42 10 20 320 240", "IsEnabled", "GetTarget", "IsWindow 1", "ClientToScreen 1",
                          "place markers"));
}

}  // namespace
}  // namespace nolb
