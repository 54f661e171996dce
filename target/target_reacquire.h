// Taking a lost target again when its program comes back. While the switch
// is on, the identity of the living target is kept current; when the target
// watch falls back to the desktop because the target vanished, the wait
// begins with that identity and the rectangle the target had. Top-level
// windows made or shown from then on become candidates (the ones there at
// the loss never do); the first try that finds the identity's chain in one
// of them gives the window to take, with the rectangle unchanged, and ends
// the wait. Any choice of target by the user, and the switch turned off,
// end it too.
#pragma once

#include <optional>
#include <set>
#include <vector>

#include "base/capture_settings.h"
#include "base/window_system.h"
#include "base/capture_hook.h"
#include "target/target_selection.h"
#include "target/window_identity.h"

namespace nolb {

class TargetReacquire {
 public:
  // Off ends a wait and forgets the identity.
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }

  // Each tick of the target watch while the switch is on: a new target is
  // described, the present one has its top-level title read again. The
  // desktop and windows that are gone leave the identity as it was.
  void Follow(WindowTree& tree, WindowId target, WindowId desktop);

  // The watch fell back to the desktop from `lost` (the lost window and its
  // rectangle). Starts the wait when the switch is on and the lost window's
  // identity is known; the top-level windows there now are never taken.
  // True when waiting.
  bool Lost(WindowTree& tree, const HookTarget& lost);

  bool Waiting() const { return wait_.has_value(); }
  // Ends the wait; the identity stays for the present target.
  void Cancel() { wait_.reset(); }

  // A window was made or shown: while waiting, its top-level window becomes
  // a candidate unless it was there at the loss or was tried and refused.
  // True when it became one.
  bool Noticed(WindowTree& tree, WindowId window);
  bool HasCandidates() const { return wait_ && !wait_->candidates.empty(); }

  // Tries every candidate. Another program or class is dropped for good; one
  // that is not shown or has not made its children yet stays for the next
  // try. A find ends the wait and gives the window with the remembered
  // rectangle.
  std::optional<HookTarget> TryCandidates(WindowTree& tree);

 private:
  struct Wait {
    WindowIdentity identity;
    HookTarget rect;
    std::set<WindowId> ignored;  // there at the loss, or refused
    std::vector<WindowId> candidates;
  };

  bool enabled_ = false;
  WindowId described_ = 0;
  WindowId describedTopLevel_ = 0;
  std::optional<WindowIdentity> identity_;
  std::optional<Wait> wait_;
};

// The reacquired window becomes the target with its rectangle; returns what
// the caption box (as the picker shows a window) and the edits show.
TargetView TakeReacquired(CaptureState& state, WindowSystem& windows, const HookTarget& found);

}  // namespace nolb
