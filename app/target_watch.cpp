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

bool TargetWatchHasWork(WindowId target, WindowId desktop, bool redirectionOn, bool markersShown) {
  return (redirectionOn && target != desktop) || markersShown;
}

void TargetWatchTick(CaptureState& state, CaptureHook& hook, WindowSystem& windows,
                     bool markersShown, const TargetWatchShell& shell) {
  const CaptureSettings before = state.Settings();
  if (TargetVanished(hook, windows, before.target)) {
    shell.uncheckFollowWindowSize();
    shell.selectDesktop();
    PushCaptureSettings(state.Settings(), hook);
    if (shell.targetLost) shell.targetLost({before.target, before.x, before.y, before.width, before.height});
  }
  if (markersShown) shell.placeMarkers(CurrentMarkerPlaces(hook, windows));
}

}  // namespace nolb
