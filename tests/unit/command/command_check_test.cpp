#include "command/command_check.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

using R = CommandReason;

constexpr WindowId kNotepad = 0x1234;

PanelState Panel(FollowState follow = FollowState::kOff, std::array<std::string, 4> edits = {"0", "0", "320", "240"}) {
  return {R::kNone, follow, edits, {"0, 0", "100, 50"}, {"320, 240", "not a pair"}};
}

TEST(CheckCommand, RefusalsNameTheirSwitchAndAcceptedWindowsAreTheOnesTaken) {
  const PanelState mouse = Panel(FollowState::kMouse);
  const PanelState badY = Panel(FollowState::kOff, {"0", "abc", "320", "240"});
  PanelState selecting = Panel();
  selecting.busy = R::kSelecting;
  const std::tuple<std::vector<std::string>, PanelState, CommandResult> cases[] = {
      {{"/pos", "2", "/size", "1"}, Panel(), {}},
      {{"/pos", "3"}, Panel(), {R::kNoSuchPosition, 0}},
      {{"/rect", "0,0,1,1", "/size", "3"}, Panel(), {R::kNoSuchSize, 2}},
      {{"/window", "Word"}, Panel(), {R::kNoSuchWindow, 0}},
      {{"/window", "Notepad", "/exe", "other.exe"}, Panel(), {R::kNoSuchWindow, 0}},
      // Busy before anything else is looked at.
      {{"/pos", "9"}, selecting, {R::kSelecting, -1}},
      // A follow mode locks the target and range controls and "無効化"
      // until the command switches it off; "適用" stays open.
      {{"/rect", "1,2,3,4"}, mouse, {R::kLockedByFollow, 0}},
      {{"/apply"}, mouse, {}},
      {{"/follow", "off", "/rect", "1,2,3,4", "/follow", "mouse"}, mouse, {}},
      {{"/rect", "1,2,3,4", "/follow", "window", "/desktop"}, Panel(), {R::kLockedByFollow, 4}},
      // The closing apply meets every edit that the steps did not fill.
      {{"/apply"}, badY, {R::kEditNotANumber, 1}},
      {{"/size", "1"}, badY, {R::kEditNotANumber, 1}},
      {{"/noapply"}, badY, {}},
      {{"/pos", "2"}, badY, {}},
      {{"/rect", "1,2,3,4"}, badY, {}},
      {{"/window", "Notepad"}, badY, {}},
      {{"/follow", "window", "/follow", "centre", "/follow", "off"}, badY, {}},
      // The mouse mode shows the desktop's rectangle when it comes on, not
      // when it is on already.
      {{"/follow", "mouse"}, Panel(FollowState::kOff, {"0", "0", "x", "240"}), {}},
      {{"/follow", "centre"}, Panel(FollowState::kMouse, {"0", "0", "x", "240"}), {R::kEditNotANumber, 2}},
      {{"/size", "1"}, Panel(FollowState::kOff, {"0", "0", "", "x"}), {}},
      // An item without the pair changes no edit, as when it is chosen.
      {{"/pos", "2", "/size", "2"}, Panel(FollowState::kOff, {"0", "0", "320", ""}), {R::kEditNotANumber, 3}},
  };
  for (const auto& [arguments, panel, result] : cases) {
    const ParsedCommand parsed = ParseCommandLine(arguments);
    const CommandPlan plan = CheckCommand(parsed.command, panel, [](std::string_view title, std::string_view program) {
      return title == "Notepad" && (program.empty() || program == "notepad.exe") ? kNotepad : 0;
    });
    EXPECT_EQ(plan.result, result) << arguments[0] << " " << arguments.size();
    if (result == CommandResult{} && arguments[0] == "/window") {
      EXPECT_EQ(plan.windows, std::vector<WindowId>{kNotepad});
    }
  }
}

TEST(CarriedOutResult, AWindowGoneFirstChangedNothingAnyOtherFailureLeavesWhatWasDone) {
  const Command command = ParseCommandLine({"/rect", "1,2,3,4", "/window", "a"}).command;
  ASSERT_EQ(command.steps.size(), 2u);
  const std::tuple<std::size_t, StepEnd, CommandResult> cases[] = {
      {2, StepEnd::kDone, {}},                         {0, StepEnd::kWindowGone, {R::kWindowGone, 0}},
      {0, StepEnd::kError, {R::kStepFailed, 0}},       {1, StepEnd::kWindowGone, {R::kStepFailed, 2}},
      {2, StepEnd::kError, {R::kStepFailed, -1}},  // the closing "適用"
  };
  for (const auto& [step, end, result] : cases) {
    EXPECT_EQ(CarriedOutResult(command, step, end), result) << step;
  }
}

}  // namespace
}  // namespace nolb
