// The main window's menu item of the hotkey dialog.
#include "app/main_form_win.h"
#include "hotkey/hotkey_form_win.h"

namespace nolb {

void TMainForm::H1Click(ui::Component*) {
  FormHotkey->Show();
  SetForegroundWindow(FormHotkey->Handle());
}

}  // namespace nolb
