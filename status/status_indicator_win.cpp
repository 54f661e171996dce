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
  // The DirectDraw object is made at the first tick, once, not at start-up:
  // the first push and the shown window need not wait the 100 ms it takes.
  if (!videoMemory_) videoMemory_ = std::make_unique<VideoMemory>(Handle());
  if (auto bytes = videoMemory_->Query()) {
    if (auto text = VideoMemoryText(bytes->total, bytes->free)) {
      ShowText(Find(L"LabelVmem"), *text);
    }
  }
  ShowText(Find(L"LabelHooked"), HookMark(hook_.IsHooked()));
  ShowText(Find(L"LabelAT"), ProcessingTimeText(hook_.GetStatus()));
}

}  // namespace nolb
