#include "status/alpha_settings_win.h"

#include <commctrl.h>

#include "base/integer_text.h"
#include "status/opacity.h"

namespace nolb {

using ui::ControlKind;

TFormAlphaSettings::TFormAlphaSettings(HWND owner) : ui::Form(L"FormAlphaSettings") {
  ui::FormDesc desc;
  desc.className = L"TFormAlphaSettings";
  desc.caption = L"設定";
  desc.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  desc.place = {0, 0, 313, 81};
  desc.clientWidth = desc.place.width;
  desc.clientHeight = desc.place.height;
  desc.owner = owner;
  Create(desc, {
      {.name = L"Label1", .kind = ControlKind::kLabel, .caption = L"不透明度", .place = {8, 16, 48, 12}},
      {.name = L"TrackBarAlpha", .kind = ControlKind::kTrackBar, .place = {64, 8, 217, 33},
       .click = On<TFormAlphaSettings>(&TFormAlphaSettings::TrackBarAlphaChange)},
      {.name = L"LabelAlpha", .kind = ControlKind::kLabel, .caption = L"100",
       .place = {282, 16, 24, 12}, .flags = ui::kAlignRight},
      {.name = L"ButtonOk", .kind = ControlKind::kDefaultButton, .caption = L"OK",
       .place = {232, 48, 73, 25}, .click = On<TFormAlphaSettings>(&TFormAlphaSettings::ButtonOkClick)},
  });
  ui::Control& bar = Find(L"TrackBarAlpha");
  SendMessageW(bar.Handle(), TBM_SETTHUMBLENGTH, 18, 0);
  SendMessageW(bar.Handle(), TBM_SETTICFREQ, 32, 0);
  bar.SetRange(kMinimumOpacity, kMaximumOpacity);
  bar.SetPosition(kMaximumOpacity);
}

void TFormAlphaSettings::TrackBarAlphaChange(ui::Component*) {
  Find(L"LabelAlpha").SetTextUtf8(IntegerText(OpacityPercent(Find(L"TrackBarAlpha").Position())));
}

void TFormAlphaSettings::ButtonOkClick(ui::Component*) { EndModal(ui::kModalOk); }

std::optional<std::uint8_t> AskOpacity(HWND window, std::uint8_t current) {
  TFormAlphaSettings dialog(window);
  ui::Control& bar = dialog.Find(L"TrackBarAlpha");
  bar.SetPosition(current);
  if (dialog.ShowModal() != ui::kModalOk) return std::nullopt;
  return static_cast<std::uint8_t>(bar.Position());
}

}  // namespace nolb
