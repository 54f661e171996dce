// Choosing the capture rectangle on the screen: "範囲指定" drags a range,
// "位置指定" places a rectangle of the current size.
#include "app/main_form_win.h"
#include "base/integer_text.h"
#include "target/range_ratio.h"
#include "target/select_form_win.h"

namespace nolb {

void TMainForm::ButtonSetRangeClick(ui::Component*) { RunScreenSelection(SelectMode::kRange); }

void TMainForm::ButtonSetPosClick(ui::Component*) { RunScreenSelection(SelectMode::kPosition); }

bool TMainForm::SelectionShown() const { return FormSelect && FormSelect->Visible(); }

void TMainForm::RunScreenSelection(SelectMode mode) {
  // Asked before the selection window is made, the selection waits for it.
  if (!FormSelect || !FormSelect->Handle()) {
    if (!ShutDownBegun()) Later([this, mode] { RunScreenSelection(mode); });
    return;
  }
  if (SelectionShown()) return;
  CancelReacquire();
  // Shift keeps the ratio of the size the edits show now, before the
  // desktop's own rectangle comes back into them.
  SelectionStart start;
  if (auto width = ParseInteger(Find(L"EditWidth").TextUtf8()), height = ParseInteger(Find(L"EditHeight").TextUtf8());
      width && height) {
    start.ratio = RatioOf(*width, *height);
  }
  ButtonDesktopClick(nullptr);
  const CaptureSettings restored = state_.Settings();
  const ScreenSelection& selection = FormSelect->Select(mode, {restored.width, restored.height}, start);
  // Closed without a selection (Esc, the system's close command): nothing
  // changes and nothing is applied; nor after the session's end has shut
  // the window down meanwhile.
  if (!selection.Chosen() || ShutDownBegun()) return;
  if (TakeSelection(state_, selection.ResultMode(), selection.SelectResult())) {
    const CaptureSettings taken = state_.Settings();
    ShowRectangle(taken.x, taken.y, taken.width, taken.height);
  }
  if (!selection.CoordinatesOnly()) ButtonApplyClick(nullptr);
}

}  // namespace nolb
