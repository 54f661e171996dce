// Taking a lost target again when its program comes back. While the switch
// is on, the identity of the living target is kept current, and the
// top-level windows there when it was taken are listed; when the target
// watch falls back to the desktop because the target vanished, the wait
// begins with that identity and the rectangle the target had. Top-level
// windows made since the target was taken (also while it still lived: a
// program may make its new window before it destroys the old one), and
// those made or shown from then on, become candidates (the ones there when
// it was taken never do); the first try that finds the identity's chain in one of them gives the window
// to take, with the rectangle unchanged, and ends the wait. A candidate that
// does not answer within a few seconds is dropped until word of it comes
// again. Any choice of target by the user, and the switch turned off, end
// the wait too.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "base/capture_settings.h"
#include "base/window_system.h"
#include "base/capture_hook.h"
#include "target/kept_target.h"
#include "target/target_selection.h"
#include "target/window_identity.h"

namespace nolb {

class TargetReacquire {
 public:
  // Off ends a wait and forgets the identity.
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }

  // How long a candidate of the right program and class that is not shown
  // or has not made its children is tried again.
  static constexpr std::uint64_t kCandidateTriesMs = 3000;

  // Each tick of the target watch while the switch is on, and each change
  // of target: a new target is described and the top-level windows there
  // are listed, the present one has its top-level title read again. The
  // desktop and windows that are gone leave both as they were.
  void Follow(WindowTree& tree, WindowId target, WindowId desktop);

  // The watch fell back to the desktop from `lost` (the lost window and its
  // rectangle). Starts the wait when the switch is on and the lost window's
  // identity is known: top-level windows there when it was taken are never
  // taken, those made since are candidates at once. True when waiting.
  bool Lost(WindowTree& tree, const HookTarget& lost, std::uint64_t nowMs);

  // Starts the wait for a window known from before (a target kept across a
  // restart of the panel): every top-level window there now is a candidate
  // too. False when the switch is off.
  bool Await(WindowTree& tree, const WindowIdentity& identity, const HookTarget& rect,
             std::uint64_t nowMs);

  // The identity of the target in force, described now when it is another
  // window than the one followed; nothing for the desktop, a window that is
  // gone or with the switch off.
  std::optional<WindowIdentity> IdentityOf(WindowTree& tree, WindowId target, WindowId desktop);

  bool Waiting() const { return wait_.has_value(); }
  // The window waited for and its rectangle, while waiting.
  std::optional<KeptTarget> Awaited() const;
  // Ends the wait; the identity stays for the present target.
  void Cancel() { wait_.reset(); }

  // A window was made or shown: while waiting, its top-level window becomes
  // a candidate unless it was there at the loss or was tried and refused.
  // True when it became one.
  bool Noticed(WindowTree& tree, WindowId window, std::uint64_t nowMs);
  bool HasCandidates() const { return wait_ && !wait_->candidates.empty(); }

  // Tries every candidate. Another program or class is dropped for good; one
  // that is not shown or has not made its children yet stays for the next
  // try, for kCandidateTriesMs from word of it. A find ends the wait and
  // gives the window with the remembered rectangle.
  std::optional<HookTarget> TryCandidates(WindowTree& tree, std::uint64_t nowMs);

 private:
  struct Candidate {
    WindowId window = 0;
    std::uint64_t sinceMs = 0;
  };
  struct Wait {
    WindowIdentity identity;
    HookTarget rect;
    std::set<WindowId> ignored;  // there while the target lived, or refused
    std::vector<Candidate> candidates;
  };
  void AddCandidate(WindowId top, std::uint64_t nowMs);

  bool enabled_ = false;
  WindowId described_ = 0;
  WindowId describedTopLevel_ = 0;
  std::optional<WindowIdentity> identity_;
  // The top-level windows there when the described target was taken.
  std::vector<WindowId> thereWhenTaken_;
  std::optional<Wait> wait_;
};

// The reacquired window becomes the target with its rectangle; returns what
// the caption box (as the picker shows a window) and the edits show.
TargetView TakeReacquired(CaptureState& state, WindowSystem& windows, const HookTarget& found);

}  // namespace nolb
