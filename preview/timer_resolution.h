// The finer system timer resolution that the periodic timers ask for. The
// system keeps it for the whole process, and a fine resolution keeps the
// processor from saving power: it is held only while a periodic timer runs.
// Two timers (the real-time tick and the preview's frames) may run at once:
// the first to start raises it, the last to stop gives it back.
#pragma once

#include <functional>
#include <mutex>
#include <utility>

namespace nolb {

class TimerResolution {
 public:
  TimerResolution(std::function<void()> raise, std::function<void()> lower)
      : raise_(std::move(raise)), lower_(std::move(lower)) {}

  // A timer starts running.
  void Hold();
  // A timer that held it stops running.
  void Release();
  bool Held() const;

 private:
  std::function<void()> raise_;
  std::function<void()> lower_;
  mutable std::mutex mutex_;
  int holders_ = 0;
};

}  // namespace nolb
