// The capture settings record, the remembered desktop rectangle, and the
// rules that turn the main window's controls into one locked group of calls
// into the capture hook library.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>

#include "base/capture_hook.h"

namespace nolb {

struct CaptureSettings {
  WindowId target = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t useDirectDraw = 0;  // 1 = shrink with DirectDraw, 0 = no shrinking
  bool zoom = false;
  bool showCursor = false;
  bool showAlphaWindow = false;
  bool fixAspect = false;
  std::int32_t rotateType = 0;  // 0-3 = 0, 90, 180, 270 degrees
  bool operator==(const CaptureSettings&) const = default;
};

// The rectangle last applied with the desktop as target. It counts as
// remembered only while both sizes are non-zero.
struct DesktopRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool Remembered() const { return width != 0 && height != 0; }
};

// Both records, guarded so that the real-time worker and the GUI thread
// never see a torn rectangle. Every access goes through a snapshot or an
// update function that runs under the guard.
class CaptureState {
 public:
  CaptureSettings Settings() const;
  DesktopRect Desktop() const;
  void Update(const std::function<void(CaptureSettings&, DesktopRect&)>& change);

  // Called after an update that gave the record another target, outside
  // the guard, on the thread of the update. Only the GUI thread changes the
  // target; set before the first update.
  void OnTargetChanged(std::function<void()> observer) { onTargetChanged_ = std::move(observer); }

 private:
  std::function<void()> onTargetChanged_;
  mutable std::mutex mutex_;
  CaptureSettings settings_;
  DesktopRect desktop_;
};

// What Apply reads from the main window's controls. An index of -1 means
// that the list has no selected item.
struct ApplyInput {
  std::string x, y, width, height;  // the four edits, UTF-8
  bool fixAspect = false;
  bool zoom = false;
  bool showCursor = false;
  bool showAlphaWindow = false;
  int rotateIndex = 0;
  int bltModeIndex = 0;
};

// Apply: the controls into the record, then the push. A text that is no
// integer raises Error; the fields converted before it keep their new
// values, nothing later changes and nothing is pushed.
void Apply(CaptureState& state, const ApplyInput& input, WindowId desktop, CaptureHook& hook);

// The whole record into the library as one group; the redirection on.
// The library is unlocked also when a call of the group fails.
void PushCaptureSettings(const CaptureSettings& settings, CaptureHook& hook);

// The redirection off, outside any group.
void Disable(CaptureHook& hook);

// The rotation index the library receives for a list index: a list without
// a selected item (or any index outside 0-3) gives 0.
std::int32_t RotationFromIndex(int rotateIndex);

}  // namespace nolb
