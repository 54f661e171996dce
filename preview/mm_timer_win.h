// CMMTimer: the periodic timer on the multimedia timer service. The service
// sets an event every period and the timer's own worker thread makes the
// call. The main window drives its real-time tick with one, the preview
// window its frames with another.
//
// While a timer runs, the system timer resolution is raised to the finest
// period the device offers (sMMTimerGlobal reads it); it is given back when
// no timer runs, so that the processor can save power.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "preview/periodic_timer.h"

namespace nolb {

class CMMTimer {
 public:
  // Makes the tick and done events and starts the worker, which sleeps
  // until the first Start and runs at the given thread priority.
  explicit CMMTimer(int workerPriority = THREAD_PRIORITY_NORMAL);
  // Stops and ends the worker, waiting for it at most 3000 ms. A callback
  // that runs longer finishes safely after the timer has gone, but may
  // still use whatever its owner tears down: owners that tear down what the
  // callback touches call StopAndWait first.
  ~CMMTimer() = default;

  CMMTimer(const CMMTimer&) = delete;
  CMMTimer& operator=(const CMMTimer&) = delete;

  // Calls callback(userValue) every period milliseconds from the worker
  // thread, replacing any running timer. False when the service could not
  // start it; the timer then stays idle.
  bool Start(std::uint32_t period, TimerCallback callback, std::uint32_t userValue);
  // No more ticks reach the callback; one under way may still be running.
  void Stop();
  // Stop, then wait until a callback under way has returned. Never from
  // the callback itself.
  void StopAndWait();
  // The ticks go on but are swallowed.
  void Pause();
  // From the next tick on, calls again (only while the timer runs).
  void Resume();

 private:
  PeriodicTimer timer_;
};

// The timer device's range of periods, as the system reports it. Made, it
// keeps the process from losing its timer resolution and its speed while
// none of its windows can be seen (Windows 11 lowers both for such a
// process unless it opts out; a system without that switch keeps them
// anyway).
class MMTimerGlobal {
 public:
  MMTimerGlobal();

  MMTimerGlobal(const MMTimerGlobal&) = delete;
  MMTimerGlobal& operator=(const MMTimerGlobal&) = delete;

  const TIMECAPS& Caps() const { return caps_; }
  // A running timer holds the finest resolution.
  bool ResolutionHeld() const;

 private:
  TIMECAPS caps_{};
};

// Made during static initialisation, before any window exists.
extern MMTimerGlobal sMMTimerGlobal;

}  // namespace nolb
