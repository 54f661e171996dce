#include "target/follow_mode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "preview/periodic_timer.h"
#include "tests/unit/fakes/fake_tick_source.h"
#include "tests/unit/fakes/fake_window_system.h"
#include "tests/unit/fakes/recording_hook.h"

namespace nolb {
namespace {

using ::testing::ElementsAre;

TEST(FollowArithmetic, CentresTheRectangleOnTheCursor) {
  EXPECT_EQ(CentredOnCursor({0, 0}, 320, 240), (Point{-160, -120}));
  EXPECT_EQ(CentredOnCursor({100, 100}, 51, -51), (Point{75, 125}));  // halves toward zero
}

TEST(FollowArithmetic, PushesTheRectangleOnlyAsFarAsTheCursorGoes) {
  for (std::int32_t cursor = 100; cursor <= 149; ++cursor) {
    EXPECT_EQ(PushedToCursor(cursor, 100, 50), 100) << cursor;
  }
  EXPECT_EQ(PushedToCursor(150, 100, 50), 101);
  EXPECT_EQ(PushedToCursor(90, 100, 50), 90);
  EXPECT_EQ(PushedToCursor(-5, 0, 1), -5);
}

// Any value the user can type: the 32-bit two's-complement result, with no
// signed overflow (the sanitizer build stops on one).
TEST(FollowArithmetic, HugeValuesWrapAs32BitArithmetic) {
  EXPECT_EQ(CentredOnCursor({INT32_MIN, INT32_MAX}, INT32_MAX, INT32_MIN),
            (Point{1073741825, -1073741825}));
  EXPECT_EQ(PushedToCursor(INT32_MIN, 0, 50), 2147483599);
  EXPECT_EQ(PushedToCursor(INT32_MAX, 0, INT32_MIN), 0);
  EXPECT_EQ(PushedToCursor(INT32_MAX, INT32_MIN, -1), INT32_MIN + 1);
}

TEST(FollowArithmetic, EasingGoesAQuarterOfTheWayButAtLeastOnePixelAndNeverPast) {
  const struct {
    std::int32_t from, goal, next;
  } cases[] = {{0, 100, 25}, {100, 0, 75}, {0, 7, 1}, {0, 1, 1}, {0, -1, -1}, {5, 5, 5}, {-3, 0, -2},
               {INT32_MIN, INT32_MAX, -1073741825}, {INT32_MAX, INT32_MIN, 1073741824}};
  for (const auto& c : cases) EXPECT_EQ(EasedToward(c.from, c.goal), c.next) << c.from << " to " << c.goal;
}

constexpr WindowRect kPrimary{0, 0, 1280, 1024};

// One tick of mouse following from the corner at `corner`, a 320x240
// rectangle unless said otherwise.
TEST(FollowArithmetic, KeptOnTheScreenInsideTheCursorsMonitorSmoothlyAShareOfTheWay) {
  const struct {
    const char* what;
    MouseFollowing how;
    Point corner, cursor;
    std::optional<WindowRect> monitor;
    Point expected;
    Size size = {320, 240};
  } cases[] = {
      {"centred at the bottom-right corner", {true, false, true}, {0, 0}, {1279, 1023}, kPrimary, {960, 784}},
      {"centred at the top-left corner", {true, false, true}, {0, 0}, {0, 0}, kPrimary, {0, 0}},
      {"free to leave the screen", {true, false, false}, {0, 0}, {1279, 1023}, kPrimary, {1119, 903}},
      {"pushed from off the screen", {false, false, true}, {-300, 900}, {10, 1000}, kPrimary, {0, 784}},
      {"pushed, inside already", {false, false, true}, {100, 100}, {200, 200}, kPrimary, {100, 100}},
      {"on the left monitor", {true, false, true}, {0, 0}, {-1, 767}, WindowRect{-1024, 0, 1024, 768}, {-320, 528}},
      {"larger than the monitor", {true, false, true}, {0, 0}, {1000, 1000}, kPrimary, {0, 724}, {1500, 300}},
      {"no monitor to be read", {true, false, true}, {0, 0}, {1279, 1023}, std::nullopt, {1119, 903}},
      {"smoothly, toward the kept goal", {true, true, true}, {0, 0}, {1279, 1023}, kPrimary, {240, 196}},
      {"smoothly onto a smaller monitor: on it at once", {true, true, true}, {900, 700}, {-500, 700},
       WindowRect{-1024, 0, 1024, 768}, {-320, 528}},
      // Pushed, the goal of a corner already part of the way there stays the same.
      {"smoothly pushed", {false, true, false}, {0, 0}, {1000, 800}, kPrimary, {170, 140}},
      {"smoothly pushed, the next tick", {false, true, false}, {170, 140}, {1000, 800}, kPrimary, {297, 245}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FollowedCorner(c.how, c.corner, c.size, c.cursor, c.monitor), c.expected) << c.what;
  }
}

TEST(FollowBoxRules, AModeLocksTheRangeAndDisablesTheOtherMode) {
  FollowBoxRules window = FollowWindowClicked(true);
  EXPECT_EQ(window.followMouseEnabled, false);
  EXPECT_EQ(window.mouseCenterEnabled, false);
  EXPECT_FALSE(window.followWindowEnabled.has_value());
  EXPECT_TRUE(window.locked);

  // Centring can be switched while the mouse is followed.
  FollowBoxRules mouse = FollowMouseClicked(true);
  EXPECT_EQ(mouse.followWindowEnabled, false);
  EXPECT_FALSE(mouse.mouseCenterEnabled.has_value());
  EXPECT_TRUE(mouse.locked);

  EXPECT_EQ(FollowWindowClicked(false).mouseCenterEnabled, true);
  EXPECT_FALSE(FollowWindowClicked(false).locked);
  EXPECT_EQ(FollowMouseClicked(false).followWindowEnabled, true);
  EXPECT_FALSE(FollowMouseClicked(false).locked);
}

class FollowTickTest : public ::testing::Test {
 protected:
  FollowTickTest() {
    state.Update([](CaptureSettings& s, DesktopRect& d) {
      s = CaptureSettings{FakeWindowSystem::kDesktop, 100, 10, 50, 40};
      d = DesktopRect{100, 10, 50, 40};
    });
  }

  std::vector<std::string> Tick() {
    hook.calls.clear();
    modes.Tick(state, hook, windows);
    return hook.calls;
  }

  int requests = 0;
  bool posted = true;
  std::vector<bool> ticking;  // each start (true) and stop of the timer
  FollowModes modes{[this] {
                      ++requests;
                      return posted;
                    },
                    [this](bool on) { ticking.push_back(on); }};
  CaptureState state;
  RecordingHook hook;
  FakeWindowSystem windows;
};

TEST_F(FollowTickTest, WithBothModesOffTheTickDoesNothing) {
  EXPECT_TRUE(Tick().empty());
  (void)modes.SetFollowMouse(true);
  (void)modes.SetFollowMouse(false);
  EXPECT_TRUE(Tick().empty());
  EXPECT_EQ(requests, 0);
}

TEST_F(FollowTickTest, MouseFollowingPushesTheRectangleAndTheCursorInOneGroup) {
  (void)modes.SetFollowMouse(true);
  windows.cursor = Point{150, 5};
  EXPECT_THAT(Tick(), ElementsAre("Lock", "SetTarget 1 101 5 50 40", "SetMousePos 150 5",
                                  "Enabled 1", "Unlock"));
  EXPECT_EQ(state.Settings().x, 101);
  EXPECT_EQ(state.Desktop().y, 5);
  EXPECT_EQ(state.Desktop().width, 50);

  modes.SetMouseCenter(true);
  windows.cursor = Point{0, 0};
  EXPECT_THAT(Tick(), ElementsAre("Lock", "SetTarget 1 -25 -20 50 40", "SetMousePos 0 0",
                                  "Enabled 1", "Unlock"));
  // The tick pushes every time, changed or not.
  EXPECT_EQ(Tick().size(), 5u);
}

TEST_F(FollowTickTest, TheEditsAreRequestedOnceUntilTheGuiThreadTakesTheNewestValues) {
  (void)modes.SetFollowMouse(true);
  modes.SetMouseCenter(true);
  windows.cursor = Point{200, 200};
  Tick();
  windows.cursor = Point{300, 300};
  Tick();
  EXPECT_EQ(requests, 1);
  FollowDisplay shown = modes.TakeDisplay();
  EXPECT_EQ(shown.position, (Point{275, 280}));
  EXPECT_FALSE(shown.size.has_value());
  // A request that could not be posted is made again at the next tick.
  posted = false;
  Tick();
  posted = true;
  Tick();
  EXPECT_EQ(requests, 3);
  // Switching the mode off hands back what is still to show; nothing is
  // left for the request already made.
  windows.cursor = Point{400, 400};
  Tick();
  EXPECT_EQ(modes.SetFollowMouse(false).position, (Point{375, 380}));
  EXPECT_FALSE(modes.TakeDisplay().position.has_value());
}

TEST_F(FollowTickTest, WindowFollowingPushesTheClientSizeWhileTheWindowExists) {
  const WindowId target = windows.Add(0, {10, 10}, {640, 480}, "app", "App");
  state.Update([&](CaptureSettings& s, DesktopRect&) { s.target = target, s.x = 0, s.y = 0; });
  (void)modes.SetFollowWindow(true);
  windows.At(target).size = Size{800, 600};
  EXPECT_THAT(Tick(), ElementsAre("Lock", "SetTarget " + std::to_string(target) + " 0 0 800 600",
                                  "Enabled 1", "Unlock"));
  EXPECT_EQ(state.Settings().width, 800);
  EXPECT_EQ(modes.TakeDisplay().size, (Size{800, 600}));

  windows.Remove(target);
  EXPECT_TRUE(Tick().empty());
  EXPECT_EQ(requests, 1);
}

// A window tree in which the GUI thread chooses another target while the
// tick reads the old one's client size.
class TargetChangingWindows : public FakeWindowSystem {
 public:
  std::optional<Size> ClientSize(WindowId window) override {
    if (changeTarget) std::exchange(changeTarget, nullptr)();
    return FakeWindowSystem::ClientSize(window);
  }
  std::function<void()> changeTarget;
};

TEST_F(FollowTickTest, ATargetChangedDuringTheTickGetsNothingOfTheOldWindow) {
  TargetChangingWindows changing;
  const WindowId old = changing.Add(0, {10, 10}, {640, 480}, "old", "App");
  state.Update([&](CaptureSettings& s, DesktopRect&) { s.target = old, s.x = 0, s.y = 0; });
  (void)modes.SetFollowWindow(true);
  // The window-grab hotkey (or the watch's fall-back to the desktop).
  changing.changeTarget = [&] {
    state.Update([](CaptureSettings& s, DesktopRect&) {
      s = CaptureSettings{FakeWindowSystem::kDesktop, 7, 8, 90, 70};
    });
  };
  modes.Tick(state, hook, changing);
  EXPECT_TRUE(hook.calls.empty());
  EXPECT_EQ(state.Settings().width, 90);
  EXPECT_EQ(state.Settings().height, 70);
  EXPECT_EQ(requests, 0);
  EXPECT_FALSE(modes.TakeDisplay().size.has_value());
}

TEST_F(FollowTickTest, AFailingCallStillUnlocksTheLibrary) {
  (void)modes.SetFollowMouse(true);
  hook.failOn = "SetMousePos";
  EXPECT_THROW(modes.Tick(state, hook, windows), std::runtime_error);
  EXPECT_EQ(hook.calls.back(), "Unlock");
}

// A library whose SetTarget waits at a gate, to hold a tick in the middle
// of its group.
class GatedHook : public RecordingHook {
 public:
  void SetTarget(WindowId w, std::int32_t x, std::int32_t y, std::int32_t cx,
                 std::int32_t cy) override {
    std::unique_lock<std::mutex> lock(mutex);
    inside = true;
    changed.notify_all();
    changed.wait(lock, [this] { return open; });
    lock.unlock();
    RecordingHook::SetTarget(w, x, y, cx, cy);
  }
  std::mutex mutex;
  std::condition_variable changed;
  bool inside = false;
  bool open = false;
};

TEST_F(FollowTickTest, SwitchingMouseFollowingOffWaitsForTheTickUnderWay) {
  GatedHook gated;
  (void)modes.SetFollowMouse(true);
  auto tick = std::async(std::launch::async, [&] { modes.Tick(state, gated, windows); });
  {
    std::unique_lock<std::mutex> lock(gated.mutex);
    ASSERT_TRUE(gated.changed.wait_for(lock, std::chrono::seconds(10), [&] { return gated.inside; }));
  }
  // The click handler, then the withdrawal of the cursor that follows it.
  auto off = std::async(std::launch::async, [&] {
    (void)modes.SetFollowMouse(false);
    std::lock_guard<std::mutex> lock(gated.mutex);
    gated.calls.push_back("withdraw");
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  {
    std::lock_guard<std::mutex> lock(gated.mutex);
    gated.open = true;
    gated.changed.notify_all();
  }
  tick.get();
  off.get();
  EXPECT_THAT(gated.calls, ElementsAre("Lock", "SetTarget 1 0 0 50 40", "SetMousePos 0 0",
                                       "Enabled 1", "Unlock", "withdraw"));
  EXPECT_THAT(ticking, ElementsAre(true, false));
}

// The real-time timer runs while either mode is on and is stopped while
// both are off, so that nothing wakes its worker at rest.
TEST(FollowTicking, TheTimerRunsOnlyWhileAModeIsOn) {
  auto probe = std::make_shared<TickProbe>();
  PeriodicTimer timer(std::make_unique<FakeTickSource>(probe));
  FollowModes modes([] { return true; }, [&](bool on) {
    if (on) {
      timer.Start(33, [](std::uint32_t) {}, 0);
    } else {
      timer.Stop();
    }
  });
  EXPECT_FALSE(timer.Running());
  // Centring and a mode switched off that was off: nothing starts.
  modes.SetMouseCenter(true);
  (void)modes.SetFollowMouse(false);
  EXPECT_FALSE(timer.Running());

  (void)modes.SetFollowMouse(true);
  EXPECT_TRUE(timer.Running());
  // The other mode on and this one off: still running, never restarted.
  (void)modes.SetFollowWindow(true);
  (void)modes.SetFollowMouse(false);
  EXPECT_TRUE(timer.Running());
  (void)modes.SetFollowWindow(false);
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(probe->activeId, 0u);

  (void)modes.SetFollowWindow(true);
  EXPECT_TRUE(timer.Running());
  (void)modes.Halt();
  EXPECT_FALSE(timer.Running());
  EXPECT_THAT(probe->periods, ElementsAre(33u, 33u));
  EXPECT_EQ(probe->ended.size(), 2u);
}

}  // namespace
}  // namespace nolb
