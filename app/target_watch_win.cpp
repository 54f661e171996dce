// The main window's 60 ms watch over the target and the markers, running
// while it has something to watch.
#include "app/main_form_win.h"
#include "app/target_watch.h"
#include "ui/window_system_win.h"

namespace nolb {

void TMainForm::TimerCheckTimer(ui::Component*) {
  Win32WindowSystem windows;
  FollowTargetForReacquire();
  TargetWatchShell shell{
      .uncheckFollowWindowSize = [this] { Find(L"CheckBoxAutoWindow").SetChecked(false); },
      .selectDesktop = [this] { ChangeTargetKeepingWait([this] { ButtonDesktopClick(nullptr); }); },
      .placeMarkers = [this](const MarkerPlaces& places) { markers_->Place(places); },
      .targetLost = [this](const HookTarget& lost) { TargetLost(lost); },
  };
  TargetWatchTick(state_, hook_, windows, markers_ && markers_->Shown(), shell);
  FitTargetWatch();
}

void TMainForm::FitTargetWatch() {
  const bool work = !ShutDownBegun() && TargetWatchHasWork(state_.Settings().target, windows_.DesktopWindow(),
                                                            !redirectionOff_, markers_ && markers_->Shown());
  TimerNamed(L"TimerCheck").SetEnabled(work);
}

}  // namespace nolb
