// Undo and redo of the pushes the user caused. Each such push (Apply, a
// selection on the screen, the finder, the window list, a preset, a
// command) is one step, from the set-up in force before it to the one it
// left; pushes of the program's own (the watch's fallback to the desktop,
// the follow modes' ticks) are no steps, but what they left is the set-up
// before the next step. The steps live as long as the program.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>

#include "base/capture_settings.h"

namespace nolb {

// The steps kept; the oldest goes beyond them.
inline constexpr std::size_t kUndoSteps = 100;

class PushHistory {
 public:
  explicit PushHistory(std::size_t limit = kUndoSteps) : limit_(limit) {}

  // A push the user caused. One that changed nothing is no step; any other
  // drops the steps undone before it.
  void Record(const CaptureSettings& before, const CaptureSettings& after);

  // Where an undo or a redo goes: the set-up to push, if any, and how many
  // steps it passed over because their set-up's target window had gone.
  struct Move {
    std::optional<CaptureSettings> setup;
    int skipped = 0;
    bool operator==(const Move&) const = default;
  };
  // The set-up before the last step done, or after the first step undone.
  // A step whose set-up names a window that is not there (as present says)
  // is passed over, and the next one tried; when none is left, nothing
  // moves.
  Move Undo(const std::function<bool(WindowId)>& present);
  Move Redo(const std::function<bool(WindowId)>& present);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }

 private:
  // One undo (back) or redo.
  Move Go(bool back, const std::function<bool(WindowId)>& present);

  struct Step {
    CaptureSettings before;
    CaptureSettings after;
  };
  std::deque<Step> steps_;
  // The steps done: those before this index; the rest were undone.
  std::size_t done_ = 0;
  std::size_t limit_;
};

}  // namespace nolb
