// The main window as the hotkey dialog and the hotkeys reach it: the dialog's
// owner, the controls a hotkey reads or sets, and the commands hotkeys run.
// The main window implements it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {
class Component;
class Control;
}  // namespace ui

namespace nolb {

class HotkeyHost {
 public:
  // The dialog's owner; its caption titles the dialog's warnings.
  virtual HWND HostHandle() const = 0;
  virtual std::wstring HostCaption() const = 0;
  // A control of the main window by its designer name.
  virtual ui::Control& HostControl(std::wstring_view name) const = 0;
  virtual bool SelectionShown() const = 0;
  // The main window's shut-down has begun (the session ends): no hotkey
  // acts any more.
  virtual bool HostShutDownBegun() const = 0;

  virtual void TimerGetHandleTimer(ui::Component* sender) = 0;
  virtual void ButtonApplyClick(ui::Component* sender) = 0;
  virtual void ButtonSetPosClick(ui::Component* sender) = 0;
  virtual void ButtonSetRangeClick(ui::Component* sender) = 0;
  virtual void A1Click(ui::Component* sender) = 0;
  virtual void ComboBoxPosSelect(ui::Component* sender) = 0;

 protected:
  ~HotkeyHost() = default;
};

}  // namespace nolb
