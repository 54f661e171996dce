// A tick source driven by the test: Fire() plays the periodic service's
// signal, and the probe, which the test keeps after the source has gone
// into the timer, shows what the worker did.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "preview/periodic_timer.h"
#include "preview/timer_resolution.h"

namespace nolb {

struct TickProbe {
  std::mutex mutex;
  std::condition_variable changed;
  bool tickSet = false;      // the auto-reset tick event
  bool doneSet = false;      // the auto-reset done event
  bool workerWaiting = false;
  std::uint32_t activeId = 0;  // the running periodic timer, 0 when none
  std::uint32_t nextId = 1;
  bool failBegin = false;
  std::vector<std::uint32_t> periods;  // every BeginPeriodic
  std::vector<std::uint32_t> ended;    // every EndPeriodic
  int wakes = 0;                       // WaitTick calls that consumed a signal
  std::uint32_t doneWaitAsked = 0;
  bool doneWaitResult = false;
  // The done wait really lasts this long at most, whatever was asked.
  std::chrono::milliseconds doneWaitLimit{10000};
  bool sourceDestroyed = false;
  // Shared by the timers of a test, if it looks at the resolution.
  TimerResolution* resolution = nullptr;

  // The service's periodic signal: sets the tick event while a timer runs.
  void Fire() {
    std::lock_guard<std::mutex> lock(mutex);
    if (activeId == 0) return;
    tickSet = true;
    changed.notify_all();
  }

  // Waits until the worker sleeps on the tick event with nothing pending.
  bool WaitWorkerIdle() {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(10),
                            [this] { return workerWaiting && !tickSet; });
  }

  bool WaitSourceDestroyed() {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(10), [this] { return sourceDestroyed; });
  }

  int Wakes() {
    std::lock_guard<std::mutex> lock(mutex);
    return wakes;
  }
};

class FakeTickSource : public TickSource {
 public:
  explicit FakeTickSource(std::shared_ptr<TickProbe> probe) : probe_(std::move(probe)) {}
  ~FakeTickSource() override {
    std::lock_guard<std::mutex> lock(probe_->mutex);
    probe_->sourceDestroyed = true;
    probe_->changed.notify_all();
  }

  std::uint32_t BeginPeriodic(std::uint32_t periodMs) override {
    std::lock_guard<std::mutex> lock(probe_->mutex);
    probe_->periods.push_back(periodMs);
    if (probe_->failBegin) return 0;
    probe_->activeId = probe_->nextId++;
    return probe_->activeId;
  }
  void EndPeriodic(std::uint32_t id) override {
    std::lock_guard<std::mutex> lock(probe_->mutex);
    probe_->ended.push_back(id);
    if (probe_->activeId == id) probe_->activeId = 0;
  }
  void HoldResolution() override {
    if (probe_->resolution) probe_->resolution->Hold();
  }
  void ReleaseResolution() override {
    if (probe_->resolution) probe_->resolution->Release();
  }
  bool WaitTick() override {
    std::unique_lock<std::mutex> lock(probe_->mutex);
    probe_->workerWaiting = true;
    probe_->changed.notify_all();
    probe_->changed.wait(lock, [this] { return probe_->tickSet; });
    probe_->tickSet = false;
    probe_->workerWaiting = false;
    ++probe_->wakes;
    probe_->changed.notify_all();
    return true;
  }
  void SetTick() override {
    std::lock_guard<std::mutex> lock(probe_->mutex);
    probe_->tickSet = true;
    probe_->changed.notify_all();
  }
  bool WaitDone(std::uint32_t timeoutMs) override {
    std::unique_lock<std::mutex> lock(probe_->mutex);
    probe_->doneWaitAsked = timeoutMs;
    bool set = probe_->changed.wait_for(lock, probe_->doneWaitLimit,
                                        [this] { return probe_->doneSet; });
    probe_->doneSet = false;
    probe_->doneWaitResult = set;
    return set;
  }
  void SetDone() override {
    std::lock_guard<std::mutex> lock(probe_->mutex);
    probe_->doneSet = true;
    probe_->changed.notify_all();
  }

 private:
  std::shared_ptr<TickProbe> probe_;
};

}  // namespace nolb
