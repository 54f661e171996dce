// The main window's 60 ms watch over the target and the markers.
#include "app/main_form_win.h"
#include "app/target_watch.h"
#include "ui/window_system_win.h"

namespace nolb {

void TMainForm::TimerCheckTimer(ui::Component*) {
  Win32WindowSystem windows;
  TargetWatchShell shell{
      .uncheckFollowWindowSize = [this] { Find(L"CheckBoxAutoWindow").SetChecked(false); },
      .selectDesktop = [this] { ButtonDesktopClick(nullptr); },
      .placeMarkers = [this](const MarkerPlaces& places) { markers_->Place(places); },
  };
  TargetWatchTick(state_, hook_, windows, markers_ && markers_->Shown(), shell);
}

}  // namespace nolb
