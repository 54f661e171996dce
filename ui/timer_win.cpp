#include "ui/timer_win.h"

namespace ui {

Timer::Timer(HWND window, UINT_PTR id, std::wstring name, UINT interval, Handler handler)
    : Component(std::move(name)), window_(window), id_(id), interval_(interval),
      handler_(std::move(handler)) {}

Timer::~Timer() { SetEnabled(false); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    SetTimer(window_, id_, interval_, nullptr);
  } else if (IsWindow(window_)) {
    KillTimer(window_, id_);
  }
}

}  // namespace ui
