// A window's translucency: the platform's layered-window constant opacity.
#pragma once

#include <windows.h>

#include <cstdint>

namespace nolb {

// On: the window is drawn with the opacity (0 invisible, 255 opaque). Off:
// the window is opaque again whatever the opacity.
void SetTranslucency(HWND window, bool on, std::uint8_t opacity);

// A window's translucency switch and opacity, as its menu item
// "半透明化(&L)" drives them and its settings section keeps them.
class Translucency {
 public:
  // The state read from the settings file, applied to the window. An
  // opacity below the dialog's minimum is raised to it, so a hand-edited
  // value never leaves a window that cannot be seen.
  void Restore(HWND window, bool on, std::uint8_t opacity);

  // The menu item's check mark has turned to on: the window follows it,
  // and when on, the opacity question runs; OK gives the new opacity, any
  // other end keeps the previous one. Off keeps the opacity for next time.
  void Toggle(bool on);

  bool On() const { return on_; }
  std::uint8_t Opacity() const { return opacity_; }

 private:
  HWND window_ = nullptr;
  bool on_ = false;
  std::uint8_t opacity_ = 255;
};

}  // namespace nolb
