#include "app/target_watch.h"

namespace nolb {

bool TargetVanished(CaptureHook& hook, WindowSystem& windows, WindowId target) {
  return hook.IsEnabled() && !windows.IsWindow(target);
}

MarkerPlaces CurrentMarkerPlaces(CaptureHook& hook, WindowSystem& windows) {
  if (hook.IsEnabled()) {
    const HookTarget target = hook.GetTarget();
    if (windows.IsWindow(target.window)) {
      return MarkersAroundTarget(target, windows.ClientToScreen(target.window, Point{0, 0}));
    }
  }
  return ParkedMarkers(windows.VirtualScreenOrigin());
}

void TargetWatchTick(CaptureState& state, CaptureHook& hook, WindowSystem& windows,
                     bool markersShown, const TargetWatchShell& shell) {
  if (TargetVanished(hook, windows, state.Settings().target)) {
    shell.uncheckFollowWindowSize();
    shell.selectDesktop();
    PushCaptureSettings(state.Settings(), hook);
  }
  if (markersShown) shell.placeMarkers(CurrentMarkerPlaces(hook, windows));
}

}  // namespace nolb
