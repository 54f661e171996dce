#include "status/translucency_win.h"

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

}  // namespace nolb
