// The main window's menu item of the hotkey dialog.
#include "app/main_form_win.h"
#include "hotkey/hotkey_form_win.h"

namespace nolb {

void TMainForm::H1Click(ui::Component*) {
  // Asked before the dialog is made, it opens once it is.
  if (!FormHotkey || !FormHotkey->Handle()) {
    if (!ShutDownBegun()) Later([this] { H1Click(nullptr); });
    return;
  }
  FormHotkey->Show();
  SetForegroundWindow(FormHotkey->Handle());
}

}  // namespace nolb
