// The opacity dialog and the opacity question that the main window and the
// preview window ask through it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "ui/form_win.h"

namespace nolb {

class TFormAlphaSettings : public ui::Form {
 public:
  // Makes the hidden dialog, owned by owner, with the bar at 255 ("100").
  explicit TFormAlphaSettings(HWND owner);

  // The percentage beside the bar follows its position.
  void TrackBarAlphaChange(ui::Component* sender);
  void ButtonOkClick(ui::Component* sender);
};

// Asks for a window's opacity: the dialog opens at the current value (held
// within the bar's range, 32 to 255). The chosen opacity after OK, nothing
// when the dialog was closed otherwise.
std::optional<std::uint8_t> AskOpacity(HWND window, std::uint8_t current);

}  // namespace nolb
