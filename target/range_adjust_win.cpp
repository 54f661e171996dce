// Adjusting the present capture rectangle where it stands on the frozen
// screen: "取り込み範囲を画面で調整(&A)" and its hotkey.
#include "app/main_form_win.h"
#include "base/integer_text.h"
#include "target/range_ratio.h"
#include "target/select_form_win.h"

namespace nolb {

void TMainForm::A1Click(ui::Component*) {
  if (!FormSelect || !FormSelect->Handle() || SelectionShown() || realtimeLocked_) return;
  // The present rectangle is what the edits show, in the target's
  // coordinates; a text that is no number is reported as Apply reports it.
  const std::int32_t x = ToInteger(Find(L"EditX").TextUtf8());
  const std::int32_t y = ToInteger(Find(L"EditY").TextUtf8());
  const std::int32_t width = ToInteger(Find(L"EditWidth").TextUtf8());
  const std::int32_t height = ToInteger(Find(L"EditHeight").TextUtf8());
  const WindowId target = state_.Settings().target;
  const bool desktop = target == windows_.DesktopWindow();
  // A target window that has gone: the watch returns to the desktop.
  if (!desktop && !windows_.IsWindow(target)) return;
  const Point origin = desktop ? Point{} : windows_.ClientToScreen(target, Point{});
  const SelectionStart start{RatioOf(width, height), ScreenOutline(x, y, width, height, origin), origin};
  const ScreenSelection& selection = FormSelect->Select(SelectMode::kAdjust, {width, height}, start);
  // Esc changes nothing; nor does a rectangle of a target lost meanwhile.
  if (!selection.Chosen() || !selection.SelectResult() || ShutDownBegun() || state_.Settings().target != target) {
    return;
  }
  TakeSelection(state_, SelectMode::kRange, InTarget(*selection.SelectResult(), origin));
  const CaptureSettings taken = state_.Settings();
  ShowRectangle(taken.x, taken.y, taken.width, taken.height);
  FocusApply();
  if (!selection.CoordinatesOnly()) ButtonApplyClick(nullptr);
}

}  // namespace nolb
