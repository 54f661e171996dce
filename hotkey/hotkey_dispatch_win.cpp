#include "hotkey/hotkey_dispatch_win.h"

#include "hotkey/hotkey_action.h"
#include "hotkey/hotkey_slots_win.h"
#include "ui/control_win.h"

namespace nolb {
namespace {

HotkeyContext ReadContext(const HotkeyHost& main) {
  HotkeyContext c;
  const ui::Control& autoMouse = main.HostControl(L"CheckBoxAutoMouse");
  c.autoMouseChecked = autoMouse.Checked();
  c.autoMouseEnabled = autoMouse.EffectivelyEnabled();
  c.autoWindowChecked = main.HostControl(L"CheckBoxAutoWindow").Checked();
  c.targetGroupEnabled = main.HostControl(L"GroupBoxTarget").Enabled();
  c.selectionVisible = main.SelectionShown();
  c.positionPresetCount = main.HostControl(L"ComboBoxPos").ItemCount();
  c.sizePresetCount = main.HostControl(L"ComboBoxSize").ItemCount();
  return c;
}

void ChoosePreset(HotkeyHost& main, const wchar_t* list, int index) {
  ui::Control& box = main.HostControl(list);
  box.SetItemIndex(index);
  main.ComboBoxPosSelect(&box);
}

}  // namespace

void RunHotkey(HotkeyHost& main, std::int32_t id) {
  const HotkeyAction action = DecideHotkeyAction(id, HotKeys.Ids(), ReadContext(main));
  switch (action.kind) {
    case HotkeyActionKind::kNone:
      return;
    case HotkeyActionKind::kToggleAutoMouse: {
      ui::Control& box = main.HostControl(L"CheckBoxAutoMouse");
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
    case HotkeyActionKind::kAdjustRange:
      main.A1Click(nullptr);
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
