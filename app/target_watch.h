// The target watch: every tick of the main window's 60 ms timer, fall back
// to the desktop when the target window has vanished while the redirection
// is on, then keep the capture-range markers at the corners of the rectangle
// the capture hook library actually uses. The timer runs while there is
// something to watch.
#pragma once

#include <functional>

#include "base/capture_hook.h"
#include "base/capture_settings.h"
#include "base/window_system.h"
#include "status/marker_geometry.h"

namespace nolb {

// What the tick leaves to the main window.
struct TargetWatchShell {
  // Uncheck the follow-window-size box; when it was checked, its click
  // handler runs as for a user click.
  std::function<void()> uncheckFollowWindowSize;
  // Select the desktop without applying (the desktop button's handler
  // without a sender): the desktop becomes the target and a remembered
  // desktop rectangle goes into the record and the edits.
  std::function<void()> selectDesktop;
  // Move the four marker windows to these places; they stay shown.
  std::function<void(const MarkerPlaces&)> placeMarkers;
  // After the fallback's push: the window that vanished and the rectangle
  // it had. May be empty.
  std::function<void(const HookTarget&)> targetLost;
};

// Step 1's question: the redirection is on and the target is no window.
// The library is asked first; the window system only when it is on.
bool TargetVanished(CaptureHook& hook, WindowSystem& windows, WindowId target);

// Step 2's answer while the markers are shown: around the library's own
// target rectangle while the redirection is on and its window exists,
// otherwise parked.
MarkerPlaces CurrentMarkerPlaces(CaptureHook& hook, WindowSystem& windows);

// Whether the watch has anything to do: a target other than the desktop
// may vanish while the redirection is on, and shown markers are kept in
// place. The desktop never vanishes and a switched-off redirection has no
// fallback, so then, with the markers hidden, the watch's timer stands
// still and nothing wakes the program for it.
bool TargetWatchHasWork(WindowId target, WindowId desktop, bool redirectionOn, bool markersShown);

// One tick. A vanished target is replaced by the desktop and the record is
// pushed as it stands (the edits are not read); then, only while the
// markers are shown, they are placed. Hidden markers are not touched.
void TargetWatchTick(CaptureState& state, CaptureHook& hook, WindowSystem& windows,
                     bool markersShown, const TargetWatchShell& shell);

}  // namespace nolb
