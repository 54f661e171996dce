// The hotkey dialog: seven rows of hotkey edits with "登録" and "解除", the
// window for which every hotkey is registered, and the dispatch of each
// hotkey to the main window's operations.
#pragma once

#include <array>

#include "hotkey/hot_key.h"
#include "hotkey/hotkey_host_win.h"
#include "hotkey/hotkey_settings.h"
#include "hotkey/key_repeats.h"
#include "ui/form_win.h"

namespace nolb {

class TFormHotkey : public ui::Form {
 public:
  explicit TFormHotkey(HotkeyHost& host);
  ~TFormHotkey() override;

  // Makes the hidden window and its controls, owned by the main window, and
  // runs FormCreate.
  void Create();

  void ButtonRegAutoMouseClick(ui::Component* sender);
  void ButtonUnregAutoMuseClick(ui::Component* sender);
  void ButtonRegTargetClick(ui::Component* sender);
  void ButtonUnregTargetClick(ui::Component* sender);
  void ButtonRegSetPosClick(ui::Component* sender);
  void ButtonUnregSetPosClick(ui::Component* sender);
  void ButtonRegSetRangeClick(ui::Component* sender);
  void ButtonUnregSetRangeClick(ui::Component* sender);
  void ButtonRegAdjustRangeClick(ui::Component* sender);
  void ButtonUnregAdjustRangeClick(ui::Component* sender);
  // Shared by the two preset rows, told apart by the sender.
  void ButtonRegSelPosClick(ui::Component* sender);
  void ButtonUnregSelPosClick(ui::Component* sender);
  void ButtonCloseClick(ui::Component* sender);

 protected:
  void FormCreate() override;
  bool FormCloseQuery() override;
  void FormDestroy() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<ui::ControlDesc> Controls();
  std::uint16_t EditValue(HotkeyRow row) const;
  void SetEditValue(HotkeyRow row, std::uint16_t value);
  void ShowRowState(HotkeyRow row, bool registered);
  // Registers the row's key (its run for a preset row); true when it is
  // registered, and the row shows it.
  bool RegisterRow(HotkeyRow row);
  void RegisterSingle(HotkeyRow row);
  void UnregisterSingle(HotkeyRow row);
  void ShowFailure();
  // A hotkey message: a new press acts on the main window, a repeat of the
  // key still held does nothing.
  void HotKeyPressed(std::uint32_t key, std::int32_t id);
  // Looks at the keys whose hotkeys came until each is seen up, where held
  // hotkeys may repeat.
  void TimerKeyUpTimer(ui::Component* sender);

  HotkeyHost& host_;
  KeyRepeats repeats_;
  // Every row has been restored from the settings file.
  bool restored_ = false;
};

extern TFormHotkey* FormHotkey;

}  // namespace nolb
