// The status line of the main window and the blinking of the markers, three
// times a second.
#include <string_view>

#include "app/main_form_win.h"
#include "status/status_text.h"

namespace nolb {
namespace {

// Changes a label only when its text differs, so that it does not flicker.
void ShowText(ui::Control& label, std::string_view text) {
  if (label.TextUtf8() != text) label.SetTextUtf8(text);
}

}  // namespace

void TMainForm::TimerAnimeTimer(ui::Component*) {
  if (markers_) markers_->Animate();
  if (videoMemory_) {
    if (auto bytes = videoMemory_->Query()) {
      if (auto text = VideoMemoryText(bytes->total, bytes->free)) {
        ShowText(Find(L"LabelVmem"), *text);
      }
    }
  }
  ShowText(Find(L"LabelHooked"), HookMark(hook_.IsHooked()));
  ShowText(Find(L"LabelAT"), ProcessingTimeText(hook_.GetStatus()));
}

}  // namespace nolb
