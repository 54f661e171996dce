// The preview settings dialog: the picture's width and height and the frame
// rate. It only collects and checks the input; the preview applies it.
#pragma once

#include <windows.h>

#include "ui/form_win.h"

namespace nolb {

class TFormPreviewSettings : public ui::Form {
 public:
  // Makes the hidden dialog, owned by owner. The caller fills EditWidth,
  // EditHeight and ComboBoxRefresh, runs ShowModal and reads them after OK.
  explicit TFormPreviewSettings(HWND owner);

  // Ends with OK once the width, then the height, are integers; the first
  // that is not goes to the error report and the dialog stays open.
  void ButtonOKClick(ui::Component* sender);
  void ButtonCancelClick(ui::Component* sender);
};

}  // namespace nolb
