// Taking a lost target again when its program comes back: the menu switch
// "ターゲットの再取得(&R)", the wait on the system's window events, and the
// take, which applies as the Apply button does.
#include "app/main_form_win.h"
#include "target/window_tree_win.h"

namespace nolb {

void TMainForm::R1Click(ui::Component*) {
  const bool on = Menu(L"R1").Checked();
  if (!on) CancelReacquire();
  reacquire_.SetEnabled(on);
}

void TMainForm::TargetLost(const HookTarget& lost) {
  Win32WindowTree tree;
  if (reacquire_.Lost(tree, lost)) windowEvents_.Start([this](WindowId window) { WindowNoticed(window); });
}

void TMainForm::WindowNoticed(WindowId window) {
  Win32WindowTree tree;
  if (reacquire_.Noticed(tree, window)) TimerNamed(L"TimerReacquire").SetEnabled(true);
}

void TMainForm::TimerReacquireTimer(ui::Component*) {
  Win32WindowTree tree;
  const std::optional<HookTarget> found = reacquire_.TryCandidates(tree);
  if (!reacquire_.HasCandidates()) TimerNamed(L"TimerReacquire").SetEnabled(false);
  if (!found) return;
  windowEvents_.Stop();
  ShowTargetView(TakeReacquired(state_, windows_, *found));
  ButtonApplyClick(nullptr);
}

void TMainForm::CancelReacquire() {
  reacquire_.Cancel();
  windowEvents_.Stop();
  TimerNamed(L"TimerReacquire").SetEnabled(false);
}

}  // namespace nolb
