#include "preview/mm_timer_win.h"

#include <memory>

#include "preview/power_throttling.h"
#include "preview/timer_resolution.h"
#include "ui/handles_win.h"

namespace nolb {

MMTimerGlobal sMMTimerGlobal;

namespace {

// The finest period of the timer device, held while a timer runs.
TimerResolution resolution([] { timeBeginPeriod(sMMTimerGlobal.Caps().wPeriodMin); },
                           [] { timeEndPeriod(sMMTimerGlobal.Caps().wPeriodMin); });

// Two unnamed auto-reset events, and the multimedia timer service setting
// the tick event. Both events are closed when the last user (the timer or
// its worker) lets go.
class MultimediaTickSource : public TickSource {
 public:
  explicit MultimediaTickSource(int workerPriority) : workerPriority_(workerPriority) {}

  void WorkerStarted() override { SetThreadPriority(GetCurrentThread(), workerPriority_); }
  std::uint32_t BeginPeriodic(std::uint32_t periodMs) override {
    // With TIME_CALLBACK_EVENT_SET the service takes the event's handle in
    // place of a callback and runs no code of ours.
    return timeSetEvent(periodMs, 0, reinterpret_cast<LPTIMECALLBACK>(tick_.Get()), 0,
                        TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
  }
  void EndPeriodic(std::uint32_t id) override { timeKillEvent(id); }
  void HoldResolution() override { resolution.Hold(); }
  void ReleaseResolution() override { resolution.Release(); }
  bool WaitTick() override { return WaitForSingleObject(tick_.Get(), INFINITE) == WAIT_OBJECT_0; }
  void SetTick() override { SetEvent(tick_.Get()); }
  bool WaitDone(std::uint32_t timeoutMs) override {
    return WaitForSingleObject(done_.Get(), timeoutMs) == WAIT_OBJECT_0;
  }
  void SetDone() override { SetEvent(done_.Get()); }

 private:
  int workerPriority_;
  // Declared in this order so that the done event is closed first.
  ui::KernelHandle tick_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
  ui::KernelHandle done_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
};

// Asks the system to keep the timer resolution the process asks for, and
// its full speed, while none of its windows can be seen (minimised, covered,
// hidden). Looked up at run time: older systems lack the call, and a
// refused switch leaves things as they were.
void KeepTimerResolutionWhenHidden() {
  using SetProcessInformationFn = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  auto set = kernel ? reinterpret_cast<SetProcessInformationFn>(
                          reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetProcessInformation")))
                    : nullptr;
  if (!set) return;
  OptOutOfPowerThrottling([set](std::uint32_t controlMask, std::uint32_t stateMask) {
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = controlMask;
    state.StateMask = stateMask;
    return set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state) != FALSE;
  });
}

}  // namespace

CMMTimer::CMMTimer(int workerPriority)
    : timer_(std::make_unique<MultimediaTickSource>(workerPriority)) {}

bool CMMTimer::Start(std::uint32_t period, TimerCallback callback, std::uint32_t userValue) {
  return timer_.Start(period, callback, userValue);
}

void CMMTimer::Stop() { timer_.Stop(); }

void CMMTimer::StopAndWait() { timer_.StopAndWait(); }

void CMMTimer::Pause() { timer_.Pause(); }

void CMMTimer::Resume() { timer_.Resume(); }

MMTimerGlobal::MMTimerGlobal() {
  timeGetDevCaps(&caps_, sizeof caps_);
  KeepTimerResolutionWhenHidden();
}

bool MMTimerGlobal::ResolutionHeld() const { return resolution.Held(); }

}  // namespace nolb
