#include "preview/preview_settings_dialog_win.h"

#include "base/integer_text.h"
#include "preview/frame_rate.h"
#include "ui/text_win.h"

namespace nolb {

using ui::ControlKind;

TFormPreviewSettings::TFormPreviewSettings(HWND owner) : ui::Form(L"FormPreviewSettings") {
  auto on = [this](void (TFormPreviewSettings::*method)(ui::Component*)) {
    return On<TFormPreviewSettings>(method);
  };
  std::vector<std::wstring> rates;
  for (const char* item : kFrameRateItems) rates.push_back(ui::Widen(item));
  std::vector<const wchar_t*> rateItems;
  for (const auto& rate : rates) rateItems.push_back(rate.c_str());

  ui::FormDesc desc;
  desc.className = L"TFormPreviewSettings";
  desc.caption = L"設定";
  desc.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  desc.place = {0, 0, 313, 73};
  desc.clientWidth = desc.place.width;
  desc.clientHeight = desc.place.height;
  desc.owner = owner;
  Create(desc, {
      {.name = L"Label1", .kind = ControlKind::kLabel, .caption = L"幅 :", .place = {8, 12, 22, 12}},
      {.name = L"EditWidth", .kind = ControlKind::kEdit, .caption = L"0", .place = {32, 8, 41, 20}},
      {.name = L"Label2", .kind = ControlKind::kLabel, .caption = L"高さ :", .place = {80, 12, 30, 12}},
      {.name = L"EditHeight", .kind = ControlKind::kEdit, .caption = L"0", .place = {112, 8, 41, 20}},
      {.name = L"Label3", .kind = ControlKind::kLabel, .caption = L"フレームレート :",
       .place = {162, 12, 84, 12}},
      {.name = L"ComboBoxRefresh", .kind = ControlKind::kDropDownList, .place = {248, 8, 57, 20},
       .items = rateItems, .itemIndex = kDefaultFrameRateIndex},
      {.name = L"ButtonOK", .kind = ControlKind::kDefaultButton, .caption = L"OK",
       .place = {152, 40, 73, 25}, .click = on(&TFormPreviewSettings::ButtonOKClick)},
      {.name = L"ButtonCancel", .kind = ControlKind::kCancelButton, .caption = L"Cancel",
       .place = {232, 40, 73, 25}, .click = on(&TFormPreviewSettings::ButtonCancelClick)},
  });
}

void TFormPreviewSettings::ButtonOKClick(ui::Component*) {
  ToInteger(Find(L"EditWidth").TextUtf8());
  ToInteger(Find(L"EditHeight").TextUtf8());
  EndModal(ui::kModalOk);
}

void TFormPreviewSettings::ButtonCancelClick(ui::Component*) { EndModal(ui::kModalCancel); }

}  // namespace nolb
