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
  if (reacquire_.Lost(tree, lost, GetTickCount64())) StartReacquireWait();
}

void TMainForm::FollowTargetForReacquire() {
  if (!reacquire_.Enabled()) return;
  Win32WindowTree tree;
  reacquire_.Follow(tree, state_.Settings().target, windows_.DesktopWindow());
}

void TMainForm::StartReacquireWait() {
  windowEvents_.Start([this](WindowId window) { WindowNoticed(window); });
  if (reacquire_.HasCandidates()) TimerNamed(L"TimerReacquire").SetEnabled(true);
}

void TMainForm::AwaitKeptTarget(const KeptTarget& kept) {
  Win32WindowTree tree;
  if (reacquire_.Await(tree, kept.identity, kept.rect, GetTickCount64())) StartReacquireWait();
}

std::optional<KeptTarget> TMainForm::TargetToKeep() {
  // A window still awaited (lost, or kept from the last run and not back
  // yet) is kept for the next run rather than the desktop in its place.
  if (reacquire_.Waiting()) return reacquire_.Awaited();
  Win32WindowTree tree;
  const CaptureSettings s = state_.Settings();
  const std::optional<WindowIdentity> identity = reacquire_.IdentityOf(tree, s.target, windows_.DesktopWindow());
  if (!identity) return std::nullopt;
  return KeptTarget{*identity, HookTarget{0, s.x, s.y, s.width, s.height}};
}

void TMainForm::WindowNoticed(WindowId window) {
  Win32WindowTree tree;
  if (reacquire_.Noticed(tree, window, GetTickCount64())) TimerNamed(L"TimerReacquire").SetEnabled(true);
}

void TMainForm::TimerReacquireTimer(ui::Component*) {
  Win32WindowTree tree;
  const std::optional<HookTarget> found = reacquire_.TryCandidates(tree, GetTickCount64());
  if (!reacquire_.HasCandidates()) TimerNamed(L"TimerReacquire").SetEnabled(false);
  if (!found) return;
  windowEvents_.Stop();
  ChangeTargetKeepingWait([&] { ShowTargetView(TakeReacquired(state_, windows_, *found)); });
  // The program's own push: no step of the undo history.
  WithoutStep([this] { ButtonApplyClick(nullptr); });
  ShowNotice(L"ターゲットのウィンドウを再取得しました。\n" + Find(L"EditWindowCaption").Text(),
             ui::NoticeKind::kInformation);
}

void TMainForm::ChangeTargetKeepingWait(const std::function<void()>& change) {
  struct Flag {
    bool& on;
    explicit Flag(bool& flag) : on(flag) { on = true; }
    ~Flag() { on = false; }
  } keep(reacquireMovesTarget_);
  change();
}

void TMainForm::CancelReacquire() {
  reacquire_.Cancel();
  windowEvents_.Stop();
  TimerNamed(L"TimerReacquire").SetEnabled(false);
}

}  // namespace nolb
