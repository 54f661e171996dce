// The status line of the main window and the blinking of the markers, three
// times a second.
#include "app/main_form_win.h"
#include "status/status_text.h"

namespace nolb {

void TMainForm::TimerAnimeTimer(ui::Component*) {
  if (markers_) markers_->Animate();
  // The DirectDraw object is made at the first tick, once, not at start-up:
  // the first push and the shown window need not wait the 100 ms it takes.
  if (!videoMemory_) videoMemory_ = std::make_unique<VideoMemory>(Handle());
  if (auto bytes = videoMemory_->Query()) {
    if (auto text = VideoMemoryText(bytes->total, bytes->free)) {
      Find(L"LabelVmem").SetTextUtf8(*text);
    }
  }
  const bool hooked = hook_.IsHooked();
  Find(L"LabelHooked").SetTextUtf8(HookMark(hooked));
  Find(L"LabelAT").SetTextUtf8(ProcessingTimeText(hook_.GetStatus()));
  // The icon in the notification area changes only when what it shows does.
  if (tray_) tray_->Refresh(CurrentTrayStatus(hooked));
}

}  // namespace nolb
