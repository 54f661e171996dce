#include "command/command_line.h"

#include <gtest/gtest.h>

#include "command/command_text.h"

namespace nolb {
namespace {

using R = CommandReason;

// A good command in one line: each step as kind@switch:values, then
// whether it applies at the end.
std::string Described(const Command& command) {
  static const char* const kKinds[] = {"rect", "pos", "size", "desktop", "window", "follow", "disable"};
  static const char* const kFollow[] = {"window", "mouse", "centre", "off"};
  std::string line;
  for (const CommandStep& s : command.steps) {
    line += std::string(kKinds[static_cast<int>(s.kind)]) + "@" + std::to_string(s.argument);
    if (s.kind == CommandStep::Kind::kRectangle) {
      line += ":" + std::to_string(s.x) + "," + std::to_string(s.y) + "," + std::to_string(s.width) + "," +
              std::to_string(s.height);
    }
    if (s.kind == CommandStep::Kind::kPosition || s.kind == CommandStep::Kind::kSize) line += ":" + std::to_string(s.item);
    if (s.kind == CommandStep::Kind::kWindow) line += ":" + s.title + "/" + s.program;
    if (s.kind == CommandStep::Kind::kFollow) line += std::string(":") + kFollow[static_cast<int>(s.follow)];
    line += " ";
  }
  return line + (command.apply ? "apply" : "noapply");
}

TEST(ParseCommandLine, GoodLinesGiveTheirStepsInOrder) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"/rect", "10,20,640,480"}, "rect@0:10,20,640,480 apply"},
      // Numbers as the edits take them: blanks before, a sign, hexadecimal.
      {{"-RECT", "-10, +5,0x140,$F0"}, "rect@0:-10,5,320,240 apply"},
      {{"/Pos", "2", "/SIZE", "1", "/desktop"}, "pos@0:2 size@2:1 desktop@4 apply"},
      // /window and /exe are one step, where the first of them stands; a
      // value is the next argument whatever it begins with.
      {{"/exe", "a.exe", "/rect", "0,0,1,1", "-window", "-題名-"}, "window@0:-題名-/a.exe rect@2:0,0,1,1 apply"},
      {{"/follow", "Mouse", "/follow", "OFF", "/follow", "window", "/follow", "center"},
       "follow@0:mouse follow@2:off follow@4:window follow@6:centre apply"},
      {{"/APPLY"}, "apply"},
      {{"/DISABLE"}, "disable@0 noapply"},
      {{"/noapply", "/window", "x"}, "window@1:x/ noapply"},
      {{"/rect", "1,2,3,4", "/disable", "/noapply"}, "rect@0:1,2,3,4 disable@2 noapply"},
  };
  for (const auto& [arguments, expected] : cases) {
    const ParsedCommand parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, CommandResult{}) << expected;
    EXPECT_EQ(Described(parsed.command), expected);
  }
}

TEST(ParseCommandLine, BadLinesNameTheFirstFaultySwitch) {
  const std::pair<std::vector<std::string>, CommandResult> cases[] = {
      {{"rect", "1,2,3,4"}, {R::kNotASwitch, 0}},
      {{"/apply", ""}, {R::kNotASwitch, 1}},
      {{"/apply", "/"}, {R::kUnknownSwitch, 1}},
      {{"/desktop", "/pos"}, {R::kMissingValue, 1}},
      {{"/rect", "1,2,3"}, {R::kBadRectangle, 0}},
      {{"/rect", "1,2,3,4,5"}, {R::kBadRectangle, 0}},
      {{"/pos", "0"}, {R::kBadItemNumber, 0}},
      {{"/size", "two"}, {R::kBadItemNumber, 0}},
      {{"/follow", "on"}, {R::kBadFollowMode, 0}},
      {{"/window", ""}, {R::kEmptyValue, 0}},
      {{"/exe", "a.exe", "/window", "t", "/exe", "b.exe"}, {R::kRepeated, 4}},
      {{"/apply", "/noapply"}, {R::kConflict, 1}},
      {{"/noapply", "/apply"}, {R::kConflict, 1}},
      {{"/disable", "/apply"}, {R::kConflict, 1}},
      {{"/apply", "/disable"}, {R::kConflict, 1}},
      {{"/bogus", "/pos", "0"}, {R::kUnknownSwitch, 0}},
  };
  for (const auto& [arguments, error] : cases) {
    const ParsedCommand parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, error) << arguments[0] << " " << parsed.error.index;
    EXPECT_EQ(parsed.error.ExitCode(), 2);
  }
  // /? wins over everything, faults included; nothing else is done.
  const ParsedCommand help = ParseCommandLine({"/bogus", "/rect", "1,2,3,4", "-?"});
  EXPECT_TRUE(help.command.help && help.command.steps.empty() && help.error == CommandResult{});
}

TEST(CommandResultText, NamesTheSwitchItsValueAndTheCode) {
  const std::vector<std::string> arguments = {"/rect", "1,2,3,4", "/exe", "a.exe", "/window", "メモ帳", "/pos", "7"};
  const std::pair<CommandResult, std::string> cases[] = {
      {{R::kBadRectangle, 0}, "/rect の値 「1,2,3,4」 は「X,Y,幅,高さ」の形の 4 つの整数ではありません。 (終了コード 2)"},
      {{R::kNoSuchPosition, 6}, "位置のプリセットに 7 番目の項目はありません。 (終了コード 3)"},
      {{R::kNoSuchWindow, 2}, "題名に 「メモ帳」 を含む、プログラムが a.exe のウィンドウが見つかりません。 (終了コード 3)"},
      {{R::kEditNotANumber, 1}, "パネルの Y の欄が整数ではなく、適用できないため、何もしませんでした。 (終了コード 4)"},
      {{R::kNoAnswer, -1}, "パネルが時間内に応答しませんでした。コマンドは、この後でパネルが行うことがあります。 (終了コード 5)"},
      {{R::kWindowGone, 2}, "/exe で選んだウィンドウが、行う前に閉じられたため、何もしませんでした。 (終了コード 3)"},
      {{R::kCannotStartPanel, -1},
       "パネル (NOLBPanel.exe) を起動できませんでした。このプログラムと同じフォルダーにあるか確かめてください。 (終了コード 5)"},
      // An index beyond the arguments (a forged answer) names nothing.
      {{R::kMissingValue, 200}, " の後に値がありません。 (終了コード 2)"},
  };
  for (const auto& [result, text] : cases) EXPECT_EQ(CommandResultText(result, arguments), "NOLB: " + text + "\n");
  EXPECT_EQ(CommandResultText({R::kNoSuchWindow, 0}, {"/window", "x"}),
            "NOLB: 題名に 「x」 を含むウィンドウが見つかりません。 (終了コード 3)\n");
  EXPECT_EQ(CommandResultText({}, arguments), "");
  // The error that ended a step, after what was done.
  const std::string partly = " の途中で失敗したため、コマンドは途中までしか行われていません。パネルには、その前までの変更が残っています。";
  EXPECT_EQ(CommandOutcomeText(CommandOutcome{{R::kStepFailed, 0}, "'x' は整数ではありません"}, arguments),
            "NOLB: /rect" + partly + "原因: 'x' は整数ではありません (終了コード 6)\n");
  EXPECT_EQ(CommandResultMessage(CommandOutcome{{R::kStepFailed, -1}}, arguments), "最後の「適用」" + partly);
  EXPECT_EQ(CommandHelpText("NOLBPanel.com").find("使い方: NOLBPanel.com [スイッチ...]\n"), 0u);
}

}  // namespace
}  // namespace nolb
