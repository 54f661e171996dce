// A command is checked whole against what the panel holds before anything
// is done: it is refused while the panel is busy, when a step names a
// preset or window that is not there, when a step needs a control that a
// follow mode locks at that point of the command, and when the closing
// "適用" would meet an edit that holds no number. So a command that fails
// changes nothing at all.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "command/command_line.h"
#include "base/capture_hook.h"

namespace nolb {

enum class FollowState : std::uint8_t { kOff, kWindow, kMouse };

// What the main window holds when a command comes.
struct PanelState {
  // Why the panel takes no command now (kSelecting, kDragging,
  // kModalWindow, kClosing, kCommandRunning), or kNone.
  CommandReason busy = CommandReason::kNone;
  FollowState follow = FollowState::kOff;
  std::array<std::string, 4> edits;    // X, Y, width, height (UTF-8)
  std::vector<std::string> positions;  // the preset items, as the lists hold them
  std::vector<std::string> sizes;
};

// The window named by a /window and /exe step: the topmost visible
// top-level window of another program whose title holds title and whose
// program file is program (either may be empty: any); 0 when there is none.
using WindowFinder = std::function<WindowId(std::string_view title, std::string_view program)>;

struct CommandPlan {
  CommandResult result;          // reason kNone: carry the command out
  std::vector<WindowId> windows;  // per step: the window a kWindow step takes, else 0
};

CommandPlan CheckCommand(const Command& command, const PanelState& panel, const WindowFinder& find);

// How a step of a command that passed the check ended: done, its window
// gone since the check (the step changed nothing), or an error raised in it
// (also by a handler it ran).
enum class StepEnd : std::uint8_t { kDone, kWindowGone, kError };

// The result of a command whose steps ran up to step (from 0; the number
// of steps for the closing "適用"), which ended so. A window gone before any
// step had changed something leaves the panel as it was (kWindowGone); any
// other failure leaves what the steps before it set, and perhaps part of
// the failing step (kStepFailed), and names that step's switch (-1: the
// closing "適用").
CommandResult CarriedOutResult(const Command& command, std::size_t step, StepEnd end);

}  // namespace nolb
