// The periodic timer on the real multimedia timer service under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "harness/wait.h"
#include "preview/mm_timer_win.h"

namespace nolb {
namespace {

std::atomic<int> ticks{0};
std::atomic<int> clockTicks{0};
std::atomic<DWORD> tickThread{0};
std::atomic<std::uint32_t> tickValue{0};
std::atomic<int> tickPriority{0};
std::atomic<int> clockPriority{0};

void CountTick(std::uint32_t value) {
  tickThread = GetCurrentThreadId();
  tickValue = value;
  tickPriority = GetThreadPriority(GetCurrentThread());
  ++ticks;
}

void CountClock(std::uint32_t) {
  clockPriority = GetThreadPriority(GetCurrentThread());
  ++clockTicks;
}

class MMTimer : public ::testing::Test {
 protected:
  MMTimer() {
    ticks = 0;
    clockTicks = 0;
    clockPriority = THREAD_PRIORITY_ERROR_RETURN;
    clock_.Start(10, CountClock, 0);
  }

  // Lets the service run a few periods of the other timer.
  void LetTimePass() {
    int until = clockTicks + 10;
    ASSERT_TRUE(e2e::WaitUntil([&] { return clockTicks >= until; }));
  }

  CMMTimer clock_;
};

// The worker runs at the priority its owner asked for: the real-time
// tick's above normal, any other (the clock here) at normal.
TEST_F(MMTimer, TicksRunOnTheWorkerUntilStopAndWait) {
  EXPECT_GE(sMMTimerGlobal.Caps().wPeriodMin, 1u);
  CMMTimer timer(THREAD_PRIORITY_HIGHEST);
  ASSERT_TRUE(timer.Start(33, CountTick, 5));
  EXPECT_TRUE(e2e::WaitUntil([] { return ticks >= 5; }));
  EXPECT_NE(tickThread.load(), GetCurrentThreadId());
  EXPECT_EQ(tickValue.load(), 5u);
  EXPECT_EQ(tickPriority.load(), THREAD_PRIORITY_HIGHEST);
  EXPECT_EQ(clockPriority.load(), THREAD_PRIORITY_NORMAL);

  timer.StopAndWait();
  int stopped = ticks;
  LetTimePass();
  EXPECT_EQ(ticks.load(), stopped);
  // The fine resolution is held while a timer runs, and only then.
  EXPECT_TRUE(sMMTimerGlobal.ResolutionHeld());
  clock_.Stop();
  EXPECT_FALSE(sMMTimerGlobal.ResolutionHeld());
}

TEST_F(MMTimer, PauseSwallowsTheServicesTicksUntilResume) {
  CMMTimer timer;
  timer.Start(10, CountTick, 0);
  ASSERT_TRUE(e2e::WaitUntil([] { return ticks >= 1; }));
  timer.Pause();
  LetTimePass();  // a tick under way at the pause may still end
  int paused = ticks;
  LetTimePass();
  EXPECT_EQ(ticks.load(), paused);
  timer.Resume();
  EXPECT_TRUE(e2e::WaitUntil([&] { return ticks >= paused + 3; }));
}

}  // namespace
}  // namespace nolb
