#include "command/command_check.h"

#include "base/integer_text.h"
#include "target/preset_item.h"

namespace nolb {
namespace {

using Kind = CommandStep::Kind;

// Which of the four edits hold a number as the steps go.
class EditsHoldNumbers {
 public:
  explicit EditsHoldNumbers(const std::array<std::string, 4>& edits) {
    for (std::size_t i = 0; i < edits.size(); ++i) number_[i] = ParseInteger(edits[i]).has_value();
  }
  void Position() { number_[0] = number_[1] = true; }
  void Size() { number_[2] = number_[3] = true; }
  void All() { Position(), Size(); }
  // The first edit that holds no number, or -1.
  int FirstNotANumber() const {
    for (std::size_t i = 0; i < number_.size(); ++i) {
      if (!number_[i]) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::array<bool, 4> number_{};
};

bool ItemReads(const std::vector<std::string>& items, std::int32_t item) {
  return ReadPresetItem(items[static_cast<std::size_t>(item - 1)]).has_value();
}

// Whether the step takes a control that a follow mode locks.
bool Locked(Kind kind) { return kind != Kind::kFollow; }

}  // namespace

CommandPlan CheckCommand(const Command& command, const PanelState& panel, const WindowFinder& find) {
  CommandPlan plan;
  plan.windows.assign(command.steps.size(), 0);
  if (panel.busy != CommandReason::kNone) {
    plan.result = {panel.busy, -1};
    return plan;
  }
  FollowState follow = panel.follow;
  EditsHoldNumbers edits(panel.edits);
  for (std::size_t i = 0; i < command.steps.size(); ++i) {
    const CommandStep& step = command.steps[i];
    auto fail = [&](CommandReason reason) {
      plan.result = {reason, step.argument};
      return plan;
    };
    if (follow != FollowState::kOff && Locked(step.kind)) return fail(CommandReason::kLockedByFollow);
    switch (step.kind) {
      case Kind::kRectangle:
      case Kind::kDesktop:
        edits.All();
        break;
      case Kind::kPosition:
      case Kind::kSize: {
        const bool position = step.kind == Kind::kPosition;
        const std::vector<std::string>& items = position ? panel.positions : panel.sizes;
        if (static_cast<std::size_t>(step.item) > items.size()) {
          return fail(position ? CommandReason::kNoSuchPosition : CommandReason::kNoSuchSize);
        }
        // An item that holds no pair changes no edit, as when it is chosen.
        if (ItemReads(items, step.item)) position ? edits.Position() : edits.Size();
        break;
      }
      case Kind::kWindow:
        plan.windows[i] = find(step.title, step.program);
        if (!plan.windows[i]) return fail(CommandReason::kNoSuchWindow);
        edits.All();
        break;
      case Kind::kFollow:
        // Each mode box's click writes the edits it concerns: the window
        // size mode puts the position back to 0, 0 (on and off), the mouse
        // mode shows the desktop's rectangle.
        if (follow == FollowState::kWindow && step.follow != FollowChoice::kWindow) edits.Position();
        if (step.follow == FollowChoice::kWindow) {
          if (follow != FollowState::kWindow) edits.Position();
          follow = FollowState::kWindow;
        } else if (step.follow == FollowChoice::kOff) {
          follow = FollowState::kOff;
        } else {
          if (follow != FollowState::kMouse) edits.All();
          follow = FollowState::kMouse;
        }
        break;
      case Kind::kDisable:
        break;
    }
  }
  if (command.apply) {
    const int edit = edits.FirstNotANumber();
    if (edit >= 0) plan.result = {CommandReason::kEditNotANumber, edit};
  }
  return plan;
}

CommandResult CarriedOutResult(const Command& command, std::size_t step, StepEnd end) {
  if (end == StepEnd::kDone) return {};
  const bool closingApply = step >= command.steps.size();
  const int argument = closingApply ? -1 : command.steps[step].argument;
  if (end == StepEnd::kWindowGone && step == 0) return {CommandReason::kWindowGone, argument};
  return {CommandReason::kStepFailed, argument};
}

}  // namespace nolb
