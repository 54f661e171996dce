// The set-up the library holds: the last mode and target pushed into it,
// whoever pushed them (Apply, the watch's fallback, the follow modes' ticks
// on the periodic timer's worker). Every call of the main window into the
// library passes through it on the way to the library itself.
#pragma once

#include <mutex>

#include "base/capture_hook.h"
#include "base/capture_settings.h"

namespace nolb {

class SetupInForce : public CaptureHook {
 public:
  explicit SetupInForce(CaptureHook& library) : library_(library) {}

  // The target, the rectangle and the modes last pushed; all 0 before the
  // first push. Safe on any thread.
  CaptureSettings InForce() const;

  void Init() override { library_.Init(); }
  void Uninit() override { library_.Uninit(); }
  void Lock() override { library_.Lock(); }
  void Unlock() override { library_.Unlock(); }
  // Taken once the library has taken it.
  void SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom, std::int32_t showCursor,
               std::int32_t showAlphaWindow, std::int32_t rotateType) override;
  void SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  void Enabled(std::int32_t on) override { library_.Enabled(on); }
  bool IsEnabled() override { return library_.IsEnabled(); }
  bool IsHooked() override { return library_.IsHooked(); }
  HookTarget GetTarget() override { return library_.GetTarget(); }
  void SetMousePos(std::int32_t x, std::int32_t y) override { library_.SetMousePos(x, y); }
  double GetStatus() override { return library_.GetStatus(); }

 private:
  CaptureHook& library_;
  mutable std::mutex mutex_;
  CaptureSettings inForce_;
};

}  // namespace nolb
