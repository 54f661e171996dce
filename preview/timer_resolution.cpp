#include "preview/timer_resolution.h"

namespace nolb {

void TimerResolution::Hold() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (holders_++ == 0) raise_();
}

void TimerResolution::Release() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (holders_ == 0) return;
  if (--holders_ == 0) lower_();
}

bool TimerResolution::Held() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return holders_ > 0;
}

}  // namespace nolb
