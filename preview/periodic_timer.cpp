#include "preview/periodic_timer.h"

#include <utility>

namespace nolb {

// What the worker touches. The worker holds it as well as the timer, so a
// worker that outlives the timer's wait never uses freed memory.
struct PeriodicTimer::Shared {
  explicit Shared(std::unique_ptr<TickSource> s) : source(std::move(s)) {}

  std::unique_ptr<TickSource> source;
  // Set whenever no timer runs. Cleared last by Start (release), so a
  // worker that sees it clear (acquire) sees the callback and user value.
  std::atomic<bool> paused{true};
  // Set once, at destruction.
  std::atomic<bool> quit{false};
  // Written only while paused is set; atomic because a worker that passed
  // the paused test before a Stop may read them while a Start writes.
  std::atomic<TimerCallback> callback{nullptr};
  std::atomic<std::uint32_t> userValue{0};
  // Held by the worker from the paused test to the callback's return;
  // StopAndWait takes it to wait out a callback under way.
  std::mutex tickUnderWay;
};

PeriodicTimer::PeriodicTimer(std::unique_ptr<TickSource> source)
    : shared_(std::make_shared<Shared>(std::move(source))), worker_(TimerThread, shared_) {}

PeriodicTimer::~PeriodicTimer() {
  Stop();
  shared_->quit.store(true, std::memory_order_release);
  shared_->source->SetTick();
  if (shared_->source->WaitDone(kEndWaitMs)) {
    worker_.join();
  } else {
    // The worker is still inside a callback: it ends by itself when the
    // callback returns, and lets go of the shared state last.
    worker_.detach();
  }
}

bool PeriodicTimer::Start(std::uint32_t periodMs, TimerCallback callback,
                          std::uint32_t userValue) {
  const bool held = running_;
  EndTicks();
  shared_->userValue.store(userValue, std::memory_order_relaxed);
  shared_->callback.store(callback, std::memory_order_relaxed);
  if (!held) shared_->source->HoldResolution();
  timerId_ = shared_->source->BeginPeriodic(periodMs);
  if (timerId_ == 0) {
    shared_->source->ReleaseResolution();
    return false;
  }
  running_ = true;
  shared_->paused.store(false, std::memory_order_release);
  return true;
}

void PeriodicTimer::Stop() {
  const bool held = running_;
  EndTicks();
  if (held) shared_->source->ReleaseResolution();
}

void PeriodicTimer::EndTicks() {
  shared_->paused.store(true, std::memory_order_release);
  if (running_) shared_->source->EndPeriodic(timerId_);
  running_ = false;
}

void PeriodicTimer::StopAndWait() {
  Stop();
  // The worker tests paused only while it holds the lock: once we have
  // held it, a callback under way has returned and no new one starts.
  std::lock_guard<std::mutex> wait(shared_->tickUnderWay);
}

void PeriodicTimer::Pause() { shared_->paused.store(true, std::memory_order_release); }

void PeriodicTimer::Resume() {
  // A stopped timer stays paused, so that a tick left in the event from
  // before the stop calls nothing.
  if (running_) shared_->paused.store(false, std::memory_order_release);
}

void PeriodicTimer::TimerThread(std::shared_ptr<Shared> shared) {
  shared->source->WorkerStarted();
  for (;;) {
    if (!shared->source->WaitTick()) break;
    if (shared->quit.load(std::memory_order_acquire)) break;
    std::lock_guard<std::mutex> underWay(shared->tickUnderWay);
    if (!shared->paused.load(std::memory_order_acquire)) {
      TimerCallback callback = shared->callback.load(std::memory_order_relaxed);
      callback(shared->userValue.load(std::memory_order_relaxed));
    }
  }
  shared->source->SetDone();
}

}  // namespace nolb
