#include "status/translucency_win.h"

#include "status/alpha_settings_win.h"
#include "status/opacity.h"

namespace nolb {

void SetTranslucency(HWND window, bool on, std::uint8_t opacity) {
  LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (on) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, opacity, LWA_ALPHA);
  } else if (style & WS_EX_LAYERED) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void Translucency::Restore(HWND window, bool on, std::uint8_t opacity) {
  window_ = window;
  on_ = on;
  opacity_ = VisibleOpacity(opacity);
  SetTranslucency(window_, on_, opacity_);
}

void Translucency::Toggle(bool on) {
  on_ = on;
  SetTranslucency(window_, on_, opacity_);
  if (!on_) return;
  if (auto chosen = AskOpacity(window_, opacity_)) {
    opacity_ = *chosen;
    SetTranslucency(window_, on_, opacity_);
  }
}

}  // namespace nolb
