#include "base/capture_settings.h"

#include "base/integer_text.h"

namespace nolb {

CaptureSettings CaptureState::Settings() const {
  std::lock_guard lock(mutex_);
  return settings_;
}

DesktopRect CaptureState::Desktop() const {
  std::lock_guard lock(mutex_);
  return desktop_;
}

void CaptureState::Update(const std::function<void(CaptureSettings&, DesktopRect&)>& change) {
  bool targetChanged = false;
  {
    std::lock_guard lock(mutex_);
    const WindowId before = settings_.target;
    change(settings_, desktop_);
    targetChanged = settings_.target != before;
  }
  if (targetChanged && onTargetChanged_) onTargetChanged_();
}

std::int32_t RotationFromIndex(int rotateIndex) {
  return rotateIndex >= 0 && rotateIndex <= 3 ? rotateIndex : 0;
}

void Apply(CaptureState& state, const ApplyInput& input, WindowId desktop, CaptureHook& hook) {
  // Each field is stored as soon as its own text converts.
  const std::pair<const std::string*, std::int32_t CaptureSettings::*> edits[] = {
      {&input.x, &CaptureSettings::x},
      {&input.y, &CaptureSettings::y},
      {&input.width, &CaptureSettings::width},
      {&input.height, &CaptureSettings::height},
  };
  for (const auto& edit : edits) {
    std::int32_t value = ToInteger(*edit.first);
    state.Update([&](CaptureSettings& s, DesktopRect&) { s.*edit.second = value; });
  }
  CaptureSettings pushed;
  state.Update([&](CaptureSettings& s, DesktopRect& d) {
    s.fixAspect = input.fixAspect;
    s.zoom = input.zoom;
    s.showCursor = input.showCursor;
    s.showAlphaWindow = input.showAlphaWindow;
    s.rotateType = RotationFromIndex(input.rotateIndex);
    if (input.bltModeIndex == 0) s.useDirectDraw = 1;
    if (input.bltModeIndex == 1) s.useDirectDraw = 0;
    if (s.target == desktop) d = DesktopRect{s.x, s.y, s.width, s.height};
    pushed = s;
  });
  PushCaptureSettings(pushed, hook);
}

void PushCaptureSettings(const CaptureSettings& s, CaptureHook& hook) {
  hook.Lock();
  try {
    hook.SetMode(s.fixAspect, s.useDirectDraw, s.zoom, s.showCursor, s.showAlphaWindow,
                 s.rotateType);
    hook.SetTarget(s.target, s.x, s.y, s.width, s.height);
    hook.Enabled(1);
  } catch (...) {
    hook.Unlock();
    throw;
  }
  hook.Unlock();
}

void Disable(CaptureHook& hook) { hook.Enabled(0); }

}  // namespace nolb
