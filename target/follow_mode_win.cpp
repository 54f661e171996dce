// The follow modes in the main window: the three check boxes of
// "リアルタイム設定", the release button, the lock of the target and range
// controls, the menu items that set how the mouse is followed, and the
// real-time tick that the periodic timer runs.
#include "app/main_form_win.h"

#include <utility>

#include "base/integer_text.h"
#include "ui/messages_win.h"
#include "ui/window_system_win.h"

namespace nolb {

namespace {

// Shaded with the button face while a mode is on, so that they look read-only.
constexpr const wchar_t* kShadedWhileLocked[] = {L"ComboBoxPos", L"ComboBoxSize", L"EditX",
                                                 L"EditY", L"EditWidth", L"EditHeight"};
// Disabled while a mode is on, beside the whole target group.
constexpr const wchar_t* kDisabledWhileLocked[] = {L"GroupBoxTarget", L"ButtonDisable",
                                                   L"ButtonAddPos",   L"ButtonAddSize",
                                                   L"ButtonDesktop",  L"ButtonParent",
                                                   L"ButtonSetPos",   L"ButtonSetRange"};

// The radio items of "追従の間隔" and their periods in milliseconds.
constexpr std::pair<const wchar_t*, std::int32_t> kRealtimeIntervalItems[] = {{L"I33", 33}, {L"I16", 16}};

void RealtimeTimerTick(std::uint32_t userValue) { MainForm->RealtimeTick(userValue); }

}  // namespace

void TMainForm::SetRealtimeLock(bool active) {
  for (const wchar_t* name : kDisabledWhileLocked) Find(name).SetEnabled(!active);
  for (const wchar_t* name : kShadedWhileLocked) {
    Find(name).SetSystemColor(active ? COLOR_BTNFACE : COLOR_WINDOW);
  }
  Menu(L"C1").SetEnabled(!active);
  Menu(L"D1").SetEnabled(!active);
  Menu(L"L2").SetEnabled(!active);
  Menu(L"A1").SetEnabled(!active);
  realtimeLocked_ = active;
  FitUndoItems();
  Find(L"ButtonUncheck").SetEnabled(active);
}

void TMainForm::ApplyFollowBoxRules(const FollowBoxRules& rules) {
  if (rules.followWindowEnabled) Find(L"CheckBoxAutoWindow").SetEnabled(*rules.followWindowEnabled);
  if (rules.followMouseEnabled) Find(L"CheckBoxAutoMouse").SetEnabled(*rules.followMouseEnabled);
  if (rules.mouseCenterEnabled) Find(L"CheckBoxMouseCenter").SetEnabled(*rules.mouseCenterEnabled);
  SetRealtimeLock(rules.locked);
}

void TMainForm::CheckBoxAutoWindowClick(ui::Component*) {
  const bool on = Find(L"CheckBoxAutoWindow").Checked();
  // A follow mode chosen is a choice of target; the watch's uncheck is not.
  // Its ticks switch the redirection on.
  if (on) {
    CancelReacquire();
    SetRedirectionOff(false);
  }
  // Off: no tick pushes the size from here on. On: the tick starts only
  // once the position has gone back to the window's corner.
  if (!on) ShowFollowDisplay(follow_.SetFollowWindow(false));
  ApplyFollowBoxRules(FollowWindowClicked(on));
  state_.Update([](CaptureSettings& s, DesktopRect&) { s.x = 0, s.y = 0; });
  Find(L"EditX").SetTextUtf8("0");
  Find(L"EditY").SetTextUtf8("0");
  if (on) ShowFollowDisplay(follow_.SetFollowWindow(true));
}

void TMainForm::CheckBoxAutoMouseClick(ui::Component*) {
  const bool on = Find(L"CheckBoxAutoMouse").Checked();
  if (on) CancelReacquire();
  if (!on) ShowFollowDisplay(follow_.SetFollowMouse(false));
  ApplyFollowBoxRules(FollowMouseClicked(on));
  if (on) {
    // The desktop with the rectangle's present size; the next tick pushes.
    state_.Update([](CaptureSettings& s, DesktopRect& d) { d.width = s.width, d.height = s.height; });
    ButtonDesktopClick(nullptr);
    ShowFollowDisplay(follow_.SetFollowMouse(true));
  } else {
    // The last tick has ended: the cursor is withdrawn after it.
    hook_.SetMousePos(kWithdrawnMousePos, kWithdrawnMousePos);
  }
}

void TMainForm::CheckBoxMouseCenterClick(ui::Component*) {
  follow_.SetMouseCenter(Find(L"CheckBoxMouseCenter").Checked());
}

void TMainForm::RealtimeIntervalClick(ui::Component* sender) {
  for (const auto& [name, periodMs] : kRealtimeIntervalItems) {
    if (ui::SenderName(sender) == name) SetRealtimeInterval(periodMs);
  }
}

void TMainForm::SetRealtimeInterval(std::int32_t periodMs) {
  realtimePeriodMs_ = periodMs;
  for (const auto& [name, choice] : kRealtimeIntervalItems) Menu(name).SetChecked(choice == periodMs);
  if (follow_.Ticking()) StartRealtimeTimer();
}

void TMainForm::StartRealtimeTimer() {
  // Started again, the timer replaces the one running.
  timer_.Start(static_cast<std::uint32_t>(realtimePeriodMs_), RealtimeTimerTick, 0);
}

void TMainForm::S1Click(ui::Component*) { follow_.SetSmoothFollow(Menu(L"S1").Checked()); }

void TMainForm::K1Click(ui::Component*) { follow_.SetKeepOnScreen(Menu(L"K1").Checked()); }

void TMainForm::ButtonUncheckClick(ui::Component*) {
  Find(L"CheckBoxAutoMouse").SetChecked(false);
  Find(L"CheckBoxAutoWindow").SetChecked(false);
  FocusApply();
}

void TMainForm::RealtimeTick(std::uint32_t) {
  // On the timer's worker: nothing here may reach a window of the GUI
  // thread but by posting, and no error may leave the worker. A failed
  // library call has unlocked the library; the next tick pushes again.
  try {
    // The window system keeps no state, so the worker shares the form's.
    follow_.Tick(state_, hook_, windows_);
  } catch (...) {
  }
}

void TMainForm::ShowFollowDisplay(const FollowDisplay& display) {
  if (display.position) {
    Find(L"EditX").SetTextUtf8(IntegerText(display.position->x));
    Find(L"EditY").SetTextUtf8(IntegerText(display.position->y));
  }
  if (display.size) {
    Find(L"EditWidth").SetTextUtf8(IntegerText(display.size->width));
    Find(L"EditHeight").SetTextUtf8(IntegerText(display.size->height));
  }
}

std::optional<LRESULT> TMainForm::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message != ui::kFollowDisplayMessage) return std::nullopt;
  ShowFollowDisplay(follow_.TakeDisplay());
  return 0;
}

}  // namespace nolb
