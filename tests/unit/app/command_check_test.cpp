#include "app/command_check.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

using R = CommandReason;

constexpr WindowId kNotepad = 0x1234;

PanelState Idle() {
  PanelState panel;
  panel.edits = {"0", "0", "320", "240"};
  panel.positions = {"0, 0", "100, 50"};
  panel.sizes = {"320, 240", "not a pair"};
  return panel;
}

WindowId Find(std::string_view title, std::string_view program) {
  return title == "Notepad" && (program.empty() || program == "notepad.exe") ? kNotepad : 0;
}

CommandPlan Check(const std::vector<std::string>& arguments, const PanelState& panel = Idle()) {
  const ParsedCommand parsed = ParseCommandLine(arguments);
  EXPECT_EQ(parsed.error, CommandResult{});
  return CheckCommand(parsed.command, panel, Find);
}

TEST(CheckCommand, EachRefusalNamesItsSwitch) {
  PanelState mouse = Idle();
  mouse.follow = FollowState::kMouse;
  PanelState window = Idle();
  window.follow = FollowState::kWindow;
  PanelState badY = Idle();
  badY.edits[1] = "abc";
  PanelState selecting = Idle();
  selecting.busy = R::kSelecting;
  struct Case {
    std::vector<std::string> arguments;
    PanelState panel;
    CommandResult result;
  };
  const Case cases[] = {
      {{"/pos", "2", "/size", "1"}, Idle(), {}},
      {{"/pos", "3"}, Idle(), {R::kNoSuchPosition, 0}},
      {{"/rect", "0,0,1,1", "/size", "3"}, Idle(), {R::kNoSuchSize, 2}},
      {{"/window", "Word"}, Idle(), {R::kNoSuchWindow, 0}},
      {{"/window", "Notepad", "/exe", "other.exe"}, Idle(), {R::kNoSuchWindow, 0}},
      // Busy before anything else is looked at.
      {{"/pos", "9"}, selecting, {R::kSelecting, -1}},
      // A follow mode locks the target and range controls and "無効化"
      // until the command switches it off; "適用" stays open.
      {{"/rect", "1,2,3,4"}, mouse, {R::kLockedByFollow, 0}},
      {{"/size", "1"}, window, {R::kLockedByFollow, 0}},
      {{"/disable"}, mouse, {R::kLockedByFollow, 0}},
      {{"/apply"}, mouse, {}},
      {{"/follow", "off", "/rect", "1,2,3,4", "/follow", "mouse"}, mouse, {}},
      {{"/rect", "1,2,3,4", "/follow", "window", "/desktop"}, Idle(), {R::kLockedByFollow, 4}},
      {{"/follow", "window", "/follow", "centre"}, Idle(), {}},
      // The closing apply meets every edit the steps did not fill.
      {{"/apply"}, badY, {R::kEditNotANumber, 1}},
      {{"/noapply"}, badY, {}},
      {{"/disable"}, badY, {}},
      {{"/size", "1"}, badY, {R::kEditNotANumber, 1}},
      {{"/pos", "2"}, badY, {}},
      {{"/rect", "1,2,3,4"}, badY, {}},
      {{"/window", "Notepad"}, badY, {}},
      {{"/desktop"}, badY, {}},
      {{"/follow", "mouse", "/follow", "off"}, badY, {}},
      {{"/follow", "window", "/follow", "off"}, badY, {}},
      // An item without the pair changes no edit, as when it is chosen.
      {{"/pos", "2", "/size", "2"}, [] {
         PanelState p = Idle();
         p.edits[3] = "";
         return p;
       }(),
       {R::kEditNotANumber, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Check(c.arguments, c.panel).result, c.result) << c.arguments[0] << " " << c.arguments.size();
  }
}

TEST(CheckCommand, TheWindowFoundIsTheOneTaken) {
  const CommandPlan plan = Check({"/rect", "1,2,3,4", "/exe", "notepad.exe", "/window", "Notepad"});
  EXPECT_EQ(plan.result, CommandResult{});
  EXPECT_EQ(plan.windows, (std::vector<WindowId>{0, kNotepad}));
}

}  // namespace
}  // namespace nolb
