// An item of a form's main menu or popup menu.
#pragma once

#include <windows.h>

#include "ui/component_win.h"

namespace ui {

class MenuItem : public Component {
 public:
  MenuItem(HMENU menu, UINT command, std::wstring name, bool autoCheck, Handler handler)
      : Component(std::move(name)), menu_(menu), command_(command), autoCheck_(autoCheck),
        handler_(std::move(handler)) {}

  UINT Command() const { return command_; }
  // A check item toggles its own mark when chosen, before its handler runs.
  bool AutoCheck() const { return autoCheck_; }
  const Handler& OnClick() const { return handler_; }

  bool Checked() const {
    return (GetMenuState(menu_, command_, MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
  // Sets the mark only; the handler does not run.
  void SetChecked(bool checked) {
    CheckMenuItem(menu_, command_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  bool Enabled() const {
    return (GetMenuState(menu_, command_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  void SetEnabled(bool enabled) {
    EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }

 private:
  HMENU menu_;
  UINT command_;
  bool autoCheck_;
  Handler handler_;
};

}  // namespace ui
