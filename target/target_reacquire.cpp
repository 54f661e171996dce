#include "target/target_reacquire.h"

#include <algorithm>

namespace nolb {

void TargetReacquire::SetEnabled(bool on) {
  enabled_ = on;
  if (!on) {
    wait_.reset();
    identity_.reset();
    thereWhenTaken_.clear();
    described_ = 0;
  }
}

void TargetReacquire::Follow(WindowTree& tree, WindowId target, WindowId desktop) {
  if (!enabled_ || target == desktop || !tree.IsWindow(target)) return;
  if (target == described_) {
    if (identity_) identity_->title = tree.Text(describedTopLevel_);
    return;
  }
  described_ = target;
  describedTopLevel_ = TopLevelOf(tree, target);
  identity_ = DescribeWindow(tree, target);
  // The windows there when the target is taken. A target that ended while
  // they were listed may have been replaced meanwhile: nothing then counts
  // as there, as in the wait at start-up.
  thereWhenTaken_ = tree.TopLevelWindows();
  if (!tree.IsWindow(target)) thereWhenTaken_.clear();
}

bool TargetReacquire::Lost(WindowTree& tree, const HookTarget& lost, std::uint64_t nowMs) {
  if (!enabled_ || !identity_ || lost.window != described_) return false;
  wait_ = Wait{*identity_, lost, std::set<WindowId>(thereWhenTaken_.begin(), thereWhenTaken_.end()), {}};
  for (WindowId top : tree.TopLevelWindows()) AddCandidate(top, nowMs);
  return true;
}

bool TargetReacquire::Await(WindowTree& tree, const WindowIdentity& identity, const HookTarget& rect,
                            std::uint64_t nowMs) {
  if (!enabled_) return false;
  wait_ = Wait{identity, rect, {}, {}};
  for (WindowId top : tree.TopLevelWindows()) AddCandidate(top, nowMs);
  return true;
}

std::optional<WindowIdentity> TargetReacquire::IdentityOf(WindowTree& tree, WindowId target,
                                                          WindowId desktop) {
  Follow(tree, target, desktop);
  if (!enabled_ || target == desktop || target != described_ || !tree.IsWindow(target)) return std::nullopt;
  return identity_;
}

std::optional<KeptTarget> TargetReacquire::Awaited() const {
  if (!wait_) return std::nullopt;
  return KeptTarget{wait_->identity, wait_->rect};
}

void TargetReacquire::AddCandidate(WindowId top, std::uint64_t nowMs) {
  if (wait_->ignored.contains(top) ||
      std::ranges::find(wait_->candidates, top, &Candidate::window) != wait_->candidates.end()) {
    return;
  }
  wait_->candidates.push_back({top, nowMs});
}

bool TargetReacquire::Noticed(WindowTree& tree, WindowId window, std::uint64_t nowMs) {
  if (!wait_ || !tree.IsWindow(window)) return false;
  const size_t before = wait_->candidates.size();
  AddCandidate(TopLevelOf(tree, window), nowMs);
  return wait_->candidates.size() != before;
}

std::optional<HookTarget> TargetReacquire::TryCandidates(WindowTree& tree, std::uint64_t nowMs) {
  if (!wait_) return std::nullopt;
  std::vector<FoundChain> found;
  std::vector<Candidate> notYet;
  for (const Candidate& candidate : wait_->candidates) {
    const ChainMatch match = FollowChain(tree, wait_->identity, candidate.window);
    switch (match.outcome) {
      case ChainOutcome::kFound:
        found.push_back({candidate.window, match.window});
        break;
      case ChainOutcome::kNotYet:
        // Given up for now; word of it made or shown brings it back.
        if (nowMs - candidate.sinceMs < kCandidateTriesMs) notYet.push_back(candidate);
        break;
      case ChainOutcome::kNoMatch:
        wait_->ignored.insert(candidate.window);
        break;
    }
  }
  wait_->candidates = std::move(notYet);
  const WindowId chosen = ChooseFound(tree, wait_->identity, found);
  if (chosen == 0) return std::nullopt;
  HookTarget taken = wait_->rect;
  taken.window = chosen;
  wait_.reset();
  return taken;
}

TargetView TakeReacquired(CaptureState& state, WindowSystem& windows, const HookTarget& found) {
  CaptureSettings taken;
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.target = found.window;
    s.x = found.x;
    s.y = found.y;
    s.width = found.width;
    s.height = found.height;
    taken = s;
  });
  return ViewOf(taken, TargetCaption(windows, found.window));
}

}  // namespace nolb
