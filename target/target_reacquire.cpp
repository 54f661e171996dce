#include "target/target_reacquire.h"

#include <algorithm>

namespace nolb {

void TargetReacquire::SetEnabled(bool on) {
  enabled_ = on;
  if (!on) {
    wait_.reset();
    identity_.reset();
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
}

bool TargetReacquire::Lost(WindowTree& tree, const HookTarget& lost) {
  if (!enabled_ || !identity_ || lost.window != described_) return false;
  const std::vector<WindowId> there = tree.TopLevelWindows();
  wait_ = Wait{*identity_, lost, std::set<WindowId>(there.begin(), there.end()), {}};
  return true;
}

bool TargetReacquire::Noticed(WindowTree& tree, WindowId window) {
  if (!wait_ || !tree.IsWindow(window)) return false;
  const WindowId top = TopLevelOf(tree, window);
  if (wait_->ignored.contains(top) || std::ranges::find(wait_->candidates, top) != wait_->candidates.end()) {
    return false;
  }
  wait_->candidates.push_back(top);
  return true;
}

std::optional<HookTarget> TargetReacquire::TryCandidates(WindowTree& tree) {
  if (!wait_) return std::nullopt;
  std::vector<FoundChain> found;
  std::vector<WindowId> notYet;
  for (WindowId top : wait_->candidates) {
    const ChainMatch match = FollowChain(tree, wait_->identity, top);
    switch (match.outcome) {
      case ChainOutcome::kFound:
        found.push_back({top, match.window});
        break;
      case ChainOutcome::kNotYet:
        notYet.push_back(top);
        break;
      case ChainOutcome::kNoMatch:
        wait_->ignored.insert(top);
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
