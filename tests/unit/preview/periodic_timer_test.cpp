#include "preview/periodic_timer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <thread>

#include "preview/power_throttling.h"
#include "tests/unit/fakes/fake_tick_source.h"

namespace nolb {
namespace {

using ::testing::ElementsAre;

// What the callbacks saw. A callback can be held at its start until the
// test opens the gate, to play a slow tick.
struct Calls {
  std::mutex mutex;
  std::condition_variable changed;
  int count = 0;
  std::uint32_t lastValue = 0;
  bool holding = false;
  bool held = false;  // a callback waits at the gate
  std::atomic<bool> finished{false};

  void Reset() {
    std::lock_guard<std::mutex> lock(mutex);
    count = 0, lastValue = 0, holding = false, held = false;
    finished = false;
  }
  void Hold() {
    std::lock_guard<std::mutex> lock(mutex);
    holding = true;
  }
  void Open() {
    std::lock_guard<std::mutex> lock(mutex);
    holding = false;
    changed.notify_all();
  }
  bool WaitHeld() {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(10), [this] { return held; });
  }
  int Count() {
    std::lock_guard<std::mutex> lock(mutex);
    return count;
  }
};
Calls calls;

void Record(std::uint32_t value) {
  std::unique_lock<std::mutex> lock(calls.mutex);
  ++calls.count;
  calls.lastValue = value;
  calls.held = calls.holding;
  calls.changed.notify_all();
  calls.changed.wait(lock, [] { return !calls.holding; });
  calls.held = false;
  lock.unlock();
  calls.finished = true;
}

class PeriodicTimerTest : public ::testing::Test {
 protected:
  PeriodicTimerTest() {
    calls.Reset();
    timer.emplace(std::make_unique<FakeTickSource>(probe));
  }

  // One period of the service, and the worker back asleep after it.
  void Tick() {
    probe->Fire();
    ASSERT_TRUE(probe->WaitWorkerIdle());
  }

  std::shared_ptr<TickProbe> probe = std::make_shared<TickProbe>();
  std::optional<PeriodicTimer> timer;
};

TEST_F(PeriodicTimerTest, EachTickCallsTheCallbackWithTheUserValueOnTheWorker) {
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(probe->Wakes(), 0);  // an idle timer's worker sleeps
  ASSERT_TRUE(timer->Start(33, Record, 7));
  EXPECT_THAT(probe->periods, ElementsAre(33u));
  Tick();
  Tick();
  EXPECT_EQ(calls.Count(), 2);
  EXPECT_EQ(calls.lastValue, 7u);
}

TEST_F(PeriodicTimerTest, TicksDuringASlowCallbackMergeIntoOneAndNeverQueue) {
  timer->Start(33, Record, 0);
  calls.Hold();
  probe->Fire();
  ASSERT_TRUE(calls.WaitHeld());
  for (int i = 0; i < 5; ++i) probe->Fire();
  calls.Open();
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(calls.Count(), 2);
}

TEST_F(PeriodicTimerTest, PauseSwallowsTicksAndResumeWaitsForTheNextOne) {
  timer->Start(33, Record, 0);
  timer->Pause();
  Tick();
  EXPECT_EQ(probe->Wakes(), 1);
  EXPECT_EQ(calls.Count(), 0);
  timer->Resume();
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(calls.Count(), 0);
  Tick();
  EXPECT_EQ(calls.Count(), 1);
}

TEST_F(PeriodicTimerTest, StartReplacesTheRunningTimerAndStopEndsItOnce) {
  timer->Start(33, Record, 0);
  timer->Start(50, Record, 0);
  EXPECT_THAT(probe->ended, ElementsAre(1u));
  timer->Stop();
  timer->Stop();
  EXPECT_THAT(probe->ended, ElementsAre(1u, 2u));
  EXPECT_FALSE(timer->Running());
  probe->Fire();  // the service sets nothing for an ended timer
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(probe->Wakes(), 0);
}

TEST_F(PeriodicTimerTest, ATickLeftFromBeforeAStopCallsNothingEvenAfterResume) {
  timer->Start(33, Record, 0);
  calls.Hold();
  probe->Fire();
  ASSERT_TRUE(calls.WaitHeld());
  probe->Fire();  // waits in the event while the callback runs
  timer->Stop();
  timer->Resume();
  calls.Open();
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(probe->Wakes(), 2);
  EXPECT_EQ(calls.Count(), 1);
}

TEST_F(PeriodicTimerTest, AFailedStartLeavesTheTimerIdle) {
  probe->failBegin = true;
  EXPECT_FALSE(timer->Start(33, Record, 0));
  EXPECT_FALSE(timer->Running());
  timer->Resume();
  probe->Fire();
  timer->Stop();
  EXPECT_TRUE(probe->ended.empty());
  EXPECT_EQ(probe->Wakes(), 0);
}

TEST_F(PeriodicTimerTest, DestroyingAnIdleTimerEndsTheWorkerWithinTheWait) {
  timer->Start(33, Record, 0);
  timer->Stop();
  timer.reset();
  EXPECT_EQ(probe->doneWaitAsked, PeriodicTimer::kEndWaitMs);
  EXPECT_TRUE(probe->doneWaitResult);
  EXPECT_TRUE(probe->sourceDestroyed);
  EXPECT_EQ(calls.Count(), 0);
}

TEST_F(PeriodicTimerTest, ACallbackThatOutlastsDestructionKeepsItsStateAndIsTheLast) {
  probe->doneWaitLimit = std::chrono::milliseconds(20);
  timer->Start(33, Record, 0);
  calls.Hold();
  probe->Fire();
  ASSERT_TRUE(calls.WaitHeld());
  timer.reset();
  EXPECT_FALSE(probe->doneWaitResult);
  EXPECT_FALSE(probe->sourceDestroyed);
  // The worker returns into what it shares with the timer, then ends.
  calls.Open();
  ASSERT_TRUE(probe->WaitSourceDestroyed());
  EXPECT_EQ(calls.Count(), 1);
}

TEST_F(PeriodicTimerTest, StopAndWaitReturnsOnlyWhenTheCallbackUnderWayHasReturned) {
  timer->Start(33, Record, 0);
  calls.Hold();
  probe->Fire();
  ASSERT_TRUE(calls.WaitHeld());
  probe->Fire();
  auto stopped = std::async(std::launch::async, [this] {
    timer->StopAndWait();
    return calls.finished.load();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  calls.Open();
  EXPECT_TRUE(stopped.get());
  ASSERT_TRUE(probe->WaitWorkerIdle());
  EXPECT_EQ(calls.Count(), 1);  // the merged tick found the timer stopped
}

// The owner changes the timer while the service ticks from another thread;
// run with the thread sanitizer, this checks the flags' ordering.
TEST_F(PeriodicTimerTest, OwnerCallsRaceTicksWithoutHarm) {
  std::atomic<bool> stop{false};
  std::thread service([&] {
    while (!stop) {
      probe->Fire();
      std::this_thread::yield();
    }
  });
  for (std::uint32_t i = 0; i < 2000; ++i) {
    timer->Start(1 + i % 50, Record, i);
    if (i % 3 == 0) timer->Pause();
    if (i % 5 == 0) timer->Resume();
    if (i % 7 == 0) timer->StopAndWait();
  }
  stop = true;
  service.join();
  timer.reset();
  EXPECT_TRUE(probe->sourceDestroyed);
}

// The fine timer resolution is the system's, for the whole process: held
// from the first timer's start to the last one's stop, and not while none
// runs.
TEST(TimerResolution, IsHeldWhileEitherOfTwoTimersRunsAndOnlyThen) {
  std::vector<std::string> system;
  TimerResolution resolution([&] { system.push_back("raise"); }, [&] { system.push_back("lower"); });
  auto main = std::make_shared<TickProbe>(), preview = std::make_shared<TickProbe>();
  main->resolution = preview->resolution = &resolution;
  std::optional<PeriodicTimer> realtime(std::in_place, std::make_unique<FakeTickSource>(main));
  PeriodicTimer frames(std::make_unique<FakeTickSource>(preview));
  EXPECT_FALSE(resolution.Held()) << "made, no timer runs";

  ASSERT_TRUE(realtime->Start(33, Record, 0));
  ASSERT_TRUE(realtime->Start(16, Record, 0));  // a new period
  ASSERT_TRUE(frames.Start(100, Record, 0));
  realtime->Pause();
  realtime->Stop();
  EXPECT_TRUE(resolution.Held()) << "the preview's frames still run";
  EXPECT_THAT(system, ElementsAre("raise"));
  frames.Stop();
  frames.Stop();
  EXPECT_FALSE(resolution.Held());
  EXPECT_THAT(system, ElementsAre("raise", "lower"));

  // A start that fails holds nothing; a timer destroyed running lets go.
  main->failBegin = true;
  EXPECT_FALSE(realtime->Start(33, Record, 0));
  EXPECT_FALSE(resolution.Held());
  main->failBegin = false;
  ASSERT_TRUE(realtime->Start(33, Record, 0));
  realtime.reset();
  EXPECT_FALSE(resolution.Held());
}

// Windows 10 refuses a request that names the timer resolution's switch,
// which it does not know: the speed's switch, asked for on its own, is
// still taken.
TEST(PowerThrottling, EachSwitchIsAskedForOnItsOwn) {
  for (std::uint32_t known : {0u, kThrottleExecutionSpeed, kThrottleExecutionSpeed | 0x2u | kThrottleIgnoreTimerResolution}) {
    SCOPED_TRACE(known);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> requests;
    const std::uint32_t taken = OptOutOfPowerThrottling([&](std::uint32_t control, std::uint32_t state) {
      requests.emplace_back(control, state);
      return (control & ~known) == 0;
    });
    EXPECT_EQ(taken, known & (kThrottleExecutionSpeed | kThrottleIgnoreTimerResolution));
    EXPECT_THAT(requests, ElementsAre(std::pair{kThrottleExecutionSpeed, 0u},
                                      std::pair{kThrottleIgnoreTimerResolution, 0u}));
  }
}

}  // namespace
}  // namespace nolb
