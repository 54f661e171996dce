#include "app/push_history.h"

namespace nolb {

void PushHistory::Record(const CaptureSettings& before, const CaptureSettings& after) {
  if (before == after) return;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back({before, after});
  if (steps_.size() > limit_) steps_.pop_front();
  done_ = steps_.size();
}

PushHistory::Move PushHistory::Undo(const std::function<bool(WindowId)>& present) { return Go(true, present); }

PushHistory::Move PushHistory::Redo(const std::function<bool(WindowId)>& present) { return Go(false, present); }

PushHistory::Move PushHistory::Go(bool back, const std::function<bool(WindowId)>& present) {
  Move move;
  for (std::size_t i = done_; back ? i > 0 : i < steps_.size(); back ? --i : ++i) {
    const CaptureSettings& setup = back ? steps_[i - 1].before : steps_[i].after;
    if (present(setup.target)) {
      done_ = back ? i - 1 : i + 1;
      move.setup = setup;
      return move;
    }
    ++move.skipped;
  }
  return move;
}

}  // namespace nolb
