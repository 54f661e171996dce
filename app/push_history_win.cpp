// Undo and redo in the main window: each push the user caused is a step;
// "元に戻す" and "やり直し" push a step's set-up again as Apply does.
#include <cstdio>
#include <utility>

#include "app/main_form_win.h"
#include "target/target_selection.h"
#include "ui/error_report_win.h"

namespace nolb {

void TMainForm::PushAsStep(const std::function<void()>& push) {
  const CaptureSettings before = setupInForce_.InForce();
  push();
  if (stepsPaused_) return;
  history_.Record(before, setupInForce_.InForce());
  FitUndoItems();
}

void TMainForm::WithoutStep(const std::function<void()>& push) {
  struct Pause {
    bool& paused;
    bool was;
    explicit Pause(bool& flag) : paused(flag), was(std::exchange(flag, true)) {}
    ~Pause() { paused = was; }
  } pause(stepsPaused_);
  push();
}

void TMainForm::U1Click(ui::Component*) {
  if (realtimeLocked_ || SelectionShown()) return;
  const PushHistory::Move move = history_.Undo([this](WindowId w) { return windows_.IsWindow(w); });
  if (move.setup) RestoreSetup(*move.setup);
  FitUndoItems();
  TellSkipped(move, true);
}

void TMainForm::Y1Click(ui::Component*) {
  if (realtimeLocked_ || SelectionShown()) return;
  const PushHistory::Move move = history_.Redo([this](WindowId w) { return windows_.IsWindow(w); });
  if (move.setup) RestoreSetup(*move.setup);
  FitUndoItems();
  TellSkipped(move, false);
}

void TMainForm::RestoreSetup(const CaptureSettings& setup) {
  // A choice of target by the user: a wait for a lost one ends.
  CancelReacquire();
  state_.Update([&](CaptureSettings& s, DesktopRect&) { s.target = setup.target; });
  Find(L"EditWindowCaption").SetTextUtf8(TargetCaption(windows_, setup.target));
  ShowRectangle(setup.x, setup.y, setup.width, setup.height);
  Find(L"CheckBoxFixAspect").SetChecked(setup.fixAspect);
  Find(L"CheckBoxZoom").SetChecked(setup.zoom);
  Find(L"CheckBoxShowCursor").SetChecked(setup.showCursor);
  // Offered on one monitor only; elsewhere it stays off.
  if (ui::Control& alpha = Find(L"CheckBoxShowAlphaWindow"); alpha.Enabled()) alpha.SetChecked(setup.showAlphaWindow);
  Find(L"ComboBoxRotateType").SetItemIndex(setup.rotateType);
  Find(L"ComboBoxBltMode").SetItemIndex(setup.useDirectDraw ? 0 : 1);
  FocusApply();
  WithoutStep([this] { ButtonApplyClick(nullptr); });
}

void TMainForm::TellSkipped(const PushHistory::Move& move, bool undo) {
  if (move.skipped == 0) return;
  wchar_t text[160];
  if (move.setup) {
    std::swprintf(text, std::size(text), L"ターゲットのウィンドウが閉じられた手順を %d 個飛ばしました.", move.skipped);
  } else {
    std::swprintf(text, std::size(text), L"ターゲットのウィンドウが閉じられているため, %ls.",
                  undo ? L"元に戻せません" : L"やり直せません");
  }
  ui::ShowWarning(Handle(), text, Caption());
}

void TMainForm::FitUndoItems() {
  Menu(L"U1").SetEnabled(history_.CanUndo() && !realtimeLocked_);
  Menu(L"Y1").SetEnabled(history_.CanRedo() && !realtimeLocked_);
}

}  // namespace nolb
