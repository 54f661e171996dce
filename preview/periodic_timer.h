// A periodic timer: calls one function again and again at a fixed period on
// a worker thread of its own. A tick source (on Windows the multimedia timer
// service) only sets an auto-reset tick event each period; the worker waits
// on that event and makes the call. Ticks that arrive while a call runs
// merge into one: a slow call loses ticks, they never queue up.
//
// States: idle (nothing started, or stopped), ticking, swallowing (paused
// while the source goes on ticking). The owner's thread starts, stops,
// pauses, resumes and destroys; only the worker runs the callback.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace nolb {

// The function a timer calls at each tick, with the user value given to
// Start.
using TimerCallback = void (*)(std::uint32_t userValue);

// What the timer needs from the platform: two auto-reset events (the tick
// event and the done event) and a periodic service that sets the tick event.
// The worker thread shares the object with the timer; it is destroyed by
// whichever of the two lets go of it last.
class TickSource {
 public:
  static constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;

  virtual ~TickSource() = default;

  // Called once on the worker thread, before its first wait.
  virtual void WorkerStarted() {}

  // Starts setting the tick event every periodMs milliseconds; returns the
  // service's identifier of that periodic timer, or 0 when it failed.
  virtual std::uint32_t BeginPeriodic(std::uint32_t periodMs) = 0;
  // Ends the periodic timer: once it returns, that timer sets the event no
  // more.
  virtual void EndPeriodic(std::uint32_t id) = 0;

  // The timer begins to run, from its Start until its Stop (a Start that
  // replaces a running timer changes nothing): the fine timer resolution
  // is held meanwhile.
  virtual void HoldResolution() {}
  virtual void ReleaseResolution() {}

  // Waits for the tick event, consuming one signal; false when the wait
  // itself failed.
  virtual bool WaitTick() = 0;
  virtual void SetTick() = 0;

  // Waits for the done event at most timeoutMs; true when it was set.
  virtual bool WaitDone(std::uint32_t timeoutMs) = 0;
  virtual void SetDone() = 0;
};

class PeriodicTimer {
 public:
  // How long destruction waits for the worker to end.
  static constexpr std::uint32_t kEndWaitMs = 3000;

  // Starts the worker, which sleeps until the first tick of a Start.
  explicit PeriodicTimer(std::unique_ptr<TickSource> source);
  // Stops, tells the worker to end, wakes it and waits at most kEndWaitMs
  // for it. A worker still inside a callback after that keeps what it uses
  // alive and ends on its own when the callback returns, calling nothing
  // more.
  ~PeriodicTimer();

  PeriodicTimer(const PeriodicTimer&) = delete;
  PeriodicTimer& operator=(const PeriodicTimer&) = delete;

  // Stops any running timer, then starts a new one. True when the tick
  // source started it; otherwise the timer stays idle.
  bool Start(std::uint32_t periodMs, TimerCallback callback, std::uint32_t userValue);
  // No more ticks reach the callback. A callback already under way may
  // still be running when it returns.
  void Stop();
  // Like Stop, then waits until a callback under way has returned: after
  // it, the callback does not run until the next Start. Must not be called
  // from the callback itself, and the callback must never wait for the
  // caller's thread.
  void StopAndWait();
  // The ticks go on but are swallowed.
  void Pause();
  // Ticks reach the callback again from the next one on; has no effect on
  // a stopped timer, whose source sets no tick.
  void Resume();

  bool Running() const { return running_; }

 private:
  struct Shared;
  static void TimerThread(std::shared_ptr<Shared> shared);
  // No more ticks reach the callback, and the service's timer is ended; the
  // resolution stays held.
  void EndTicks();

  std::uint32_t timerId_ = 0;  // valid only while running_
  bool running_ = false;
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace nolb
