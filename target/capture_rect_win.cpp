// The capture rectangle: its presets, the conversions between window and
// desktop coordinates, and moving between its edits with the keypad.
#include "app/main_form_win.h"
#include "base/integer_text.h"
#include "target/coordinate_conversion.h"
#include "target/edit_navigation.h"
#include "target/preset_item.h"

namespace nolb {

PresetList& TMainForm::PresetsOf(ui::Component* sender) {
  const std::wstring name = ui::SenderName(sender);
  return name == L"ButtonAddSize" || name == L"ComboBoxSize" ? *sizePresets_ : *positionPresets_;
}

void TMainForm::ButtonAddPosClick(ui::Component* sender) {
  const bool size = ui::SenderName(sender) == L"ButtonAddSize";
  const wchar_t* first = size ? L"EditWidth" : L"EditX";
  const wchar_t* second = size ? L"EditHeight" : L"EditY";
  PresetsOf(sender).Add(PresetItemFromEdits(Find(first).TextUtf8(), Find(second).TextUtf8()));
  FocusApply();
}

void TMainForm::ComboBoxPosSelect(ui::Component* sender) {
  ShowChosenPreset(sender);
  ButtonApplyClick(nullptr);
}

void TMainForm::ShowChosenPreset(ui::Component* sender) {
  const bool size = ui::SenderName(sender) == L"ComboBoxSize";
  std::optional<std::string> item = PresetsOf(sender).Chosen();
  if (auto pair = item ? ReadPresetItem(*item) : std::nullopt) {
    Find(size ? L"EditWidth" : L"EditX").SetTextUtf8(IntegerText(pair->first));
    Find(size ? L"EditHeight" : L"EditY").SetTextUtf8(IntegerText(pair->second));
  }
}

void TMainForm::C1Click(ui::Component*) {
  ShowTargetView(ConvertToDesktop(state_, windows_));
  FocusApply();
  ButtonApplyClick(nullptr);
}

void TMainForm::D1Click(ui::Component*) {
  std::optional<WindowCorner> corner = ConvertToWindow(state_, windows_);
  if (!corner) return;
  Find(L"EditWindowCaption").SetTextUtf8(corner->caption);
  Find(L"EditX").SetTextUtf8(IntegerText(corner->corner.x));
  Find(L"EditY").SetTextUtf8(IntegerText(corner->corner.y));
  ButtonApplyClick(nullptr);
}

void TMainForm::EditXKeyUp(ui::Component* sender, unsigned key) {
  if (key != kKeypadDecimalKey || !sender) return;
  ui::Control& edit = Find(sender->Name());
  edit.SetTextUtf8(WithoutLastCharacter(edit.TextUtf8()));
  Find(sender->Name() == L"EditX" ? L"EditY" : L"EditHeight").SetFocus();
}

void TMainForm::CheckBoxFixAspectClick(ui::Component*) {
  Find(L"CheckBoxZoom").SetEnabled(Find(L"CheckBoxFixAspect").Checked());
}

}  // namespace nolb
