#include "hotkey/hotkey_dispatch_win.h"

#include "app/main_form_win.h"
#include "hotkey/hotkey_action.h"
#include "hotkey/hotkey_slots_win.h"

namespace nolb {
namespace {

HotkeyContext ReadContext(const TMainForm& main) {
  HotkeyContext c;
  const ui::Control& autoMouse = main.Find(L"CheckBoxAutoMouse");
  c.autoMouseChecked = autoMouse.Checked();
  c.autoMouseEnabled = autoMouse.EffectivelyEnabled();
  c.autoWindowChecked = main.Find(L"CheckBoxAutoWindow").Checked();
  c.targetGroupEnabled = main.Find(L"GroupBoxTarget").Enabled();
  c.selectionVisible = main.SelectionShown();
  c.positionPresetCount = main.Find(L"ComboBoxPos").ItemCount();
  c.sizePresetCount = main.Find(L"ComboBoxSize").ItemCount();
  return c;
}

void ChoosePreset(TMainForm& main, const wchar_t* list, int index) {
  ui::Control& box = main.Find(list);
  box.SetItemIndex(index);
  main.ComboBoxPosSelect(&box);
}

}  // namespace

void RunHotkey(TMainForm& main, std::int32_t id) {
  const HotkeyAction action = DecideHotkeyAction(id, HotKeys.Ids(), ReadContext(main));
  switch (action.kind) {
    case HotkeyActionKind::kNone:
      return;
    case HotkeyActionKind::kToggleAutoMouse: {
      ui::Control& box = main.Find(L"CheckBoxAutoMouse");
      box.SetChecked(!box.Checked());
      return;
    }
    case HotkeyActionKind::kGrabWindow:
      main.TimerGetHandleTimer(nullptr);
      main.ButtonApplyClick(nullptr);
      return;
    case HotkeyActionKind::kSelectPosition:
      main.ButtonSetPosClick(nullptr);
      return;
    case HotkeyActionKind::kSelectRange:
      main.ButtonSetRangeClick(nullptr);
      return;
    case HotkeyActionKind::kPositionPreset:
      ChoosePreset(main, L"ComboBoxPos", action.index);
      return;
    case HotkeyActionKind::kSizePreset:
      ChoosePreset(main, L"ComboBoxSize", action.index);
      return;
  }
}

}  // namespace nolb
