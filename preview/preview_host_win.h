// The main window as the preview window reaches it: the few calls the
// preview makes. The main window implements it.
#pragma once

namespace ui {
class Component;
}

namespace nolb {

class PreviewHost {
 public:
  // "非表示" is usable only while the preview is shown.
  virtual void EnableHideButton(bool enabled) = 0;
  virtual bool MainWindowShown() const = 0;
  virtual void ShowMainWindow() = 0;
  // "非表示": hides the main window.
  virtual void ButtonHideClick(ui::Component* sender) = 0;

 protected:
  ~PreviewHost() = default;
};

}  // namespace nolb
