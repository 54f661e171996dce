// Undo and redo in the main window: each push the user caused is a step;
// "元に戻す" and "やり直し" push a step's set-up again as Apply does.
#include <string>
#include <utility>

#include "app/main_form_win.h"
#include "target/target_selection.h"

namespace nolb {

void TMainForm::PushAsStep(const std::function<void()>& push) {
  const CaptureSettings before = setupInForce_.InForce();
  push();
  // The shut-down's own push to the desktop is none either.
  if (stepsPaused_ || ShutDownBegun()) return;
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

void TMainForm::U1Click(ui::Component*) { TakeStep(true); }

void TMainForm::Y1Click(ui::Component*) { TakeStep(false); }

void TMainForm::TakeStep(bool undo) {
  if (realtimeLocked_ || SelectionShown()) return;
  auto present = [this](WindowId w) { return windows_.IsWindow(w); };
  const PushHistory::Move move = undo ? history_.Undo(present) : history_.Redo(present);
  if (move.setup) RestoreSetup(*move.setup);
  FitUndoItems();
  if (move.skipped == 0) return;
  const std::wstring text =
      move.setup ? L"ターゲットのウィンドウが閉じられた手順を " + std::to_wstring(move.skipped) + L" 個飛ばしました."
      : undo     ? L"ターゲットのウィンドウが閉じられているため元に戻せません."
                 : L"ターゲットのウィンドウが閉じられているためやり直せません.";
  // Said without blocking: an undo may come in the middle of a stream.
  ShowNotice(text);
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

void TMainForm::FitUndoItems() {
  Menu(L"U1").SetEnabled(history_.CanUndo() && !realtimeLocked_);
  Menu(L"Y1").SetEnabled(history_.CanRedo() && !realtimeLocked_);
}

}  // namespace nolb
