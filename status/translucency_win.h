// A window's translucency: the platform's layered-window constant opacity.
#pragma once

#include <windows.h>

#include <cstdint>

namespace nolb {

// On: the window is drawn with the opacity (0 invisible, 255 opaque). Off:
// the window is opaque again whatever the opacity.
void SetTranslucency(HWND window, bool on, std::uint8_t opacity);

}  // namespace nolb
