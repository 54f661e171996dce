#include "preview/mm_timer_win.h"

#include <memory>

#include "ui/handles_win.h"

namespace nolb {

MMTimerGlobal sMMTimerGlobal;

namespace {

// Two unnamed auto-reset events, and the multimedia timer service setting
// the tick event. Both events are closed when the last user (the timer or
// its worker) lets go.
class MultimediaTickSource : public TickSource {
 public:
  std::uint32_t BeginPeriodic(std::uint32_t periodMs) override {
    // With TIME_CALLBACK_EVENT_SET the service takes the event's handle in
    // place of a callback and runs no code of ours.
    return timeSetEvent(periodMs, 0, reinterpret_cast<LPTIMECALLBACK>(tick_.Get()), 0,
                        TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
  }
  void EndPeriodic(std::uint32_t id) override { timeKillEvent(id); }
  bool WaitTick() override { return WaitForSingleObject(tick_.Get(), INFINITE) == WAIT_OBJECT_0; }
  void SetTick() override { SetEvent(tick_.Get()); }
  bool WaitDone(std::uint32_t timeoutMs) override {
    return WaitForSingleObject(done_.Get(), timeoutMs) == WAIT_OBJECT_0;
  }
  void SetDone() override { SetEvent(done_.Get()); }

 private:
  // Declared in this order so that the done event is closed first.
  ui::KernelHandle tick_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  ui::KernelHandle done_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
};

}  // namespace

CMMTimer::CMMTimer() : timer_(std::make_unique<MultimediaTickSource>()) {}

bool CMMTimer::Start(std::uint32_t period, TimerCallback callback, std::uint32_t userValue) {
  return timer_.Start(period, callback, userValue);
}

void CMMTimer::Stop() { timer_.Stop(); }

void CMMTimer::StopAndWait() { timer_.StopAndWait(); }

void CMMTimer::Pause() { timer_.Pause(); }

void CMMTimer::Resume() { timer_.Resume(); }

MMTimerGlobal::MMTimerGlobal() {
  timeGetDevCaps(&caps_, sizeof caps_);
  timeBeginPeriod(caps_.wPeriodMin);
}

MMTimerGlobal::~MMTimerGlobal() { timeEndPeriod(caps_.wPeriodMin); }

}  // namespace nolb
