#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/command_text.h"

namespace nolb {
namespace {

using Kind = CommandStep::Kind;
using R = CommandReason;

CommandStep Rect(int argument, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
  CommandStep s{.kind = Kind::kRectangle, .argument = argument};
  s.x = x, s.y = y, s.width = w, s.height = h;
  return s;
}
CommandStep Item(Kind kind, int argument, std::int32_t item) {
  return {.kind = kind, .argument = argument, .item = item};
}
CommandStep Window(int argument, std::string title, std::string program) {
  return {.kind = Kind::kWindow, .argument = argument, .title = title, .program = program};
}
CommandStep Follow(int argument, FollowChoice choice) {
  return {.kind = Kind::kFollow, .argument = argument, .follow = choice};
}
CommandStep Simple(Kind kind, int argument) { return {.kind = kind, .argument = argument}; }

TEST(ParseCommandLine, GoodLinesGiveTheirStepsInOrder) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<CommandStep> steps;
    bool apply;
  };
  const Case cases[] = {
      {{"/rect", "10,20,640,480"}, {Rect(0, 10, 20, 640, 480)}, true},
      // Numbers as the edits take them: blanks before, a sign, hexadecimal.
      {{"-RECT", "-10, +5,0x140,$F0"}, {Rect(0, -10, 5, 320, 240)}, true},
      {{"/Pos", "2", "/SIZE", "1"}, {Item(Kind::kPosition, 0, 2), Item(Kind::kSize, 2, 1)}, true},
      {{"/desktop", "/noapply"}, {Simple(Kind::kDesktop, 0)}, false},
      {{"/window", "Notepad"}, {Window(0, "Notepad", "")}, true},
      {{"/exe", "notepad.exe"}, {Window(0, "", "notepad.exe")}, true},
      // /window and /exe are one step, where the first of them stands.
      {{"/exe", "a.exe", "/rect", "0,0,1,1", "-window", "題名"},
       {Window(0, "題名", "a.exe"), Rect(2, 0, 0, 1, 1)},
       true},
      // A value is the next argument whatever it begins with.
      {{"/window", "-x-", "/follow", "Centre"}, {Window(0, "-x-", ""), Follow(2, FollowChoice::kCentre)}, true},
      {{"/follow", "mouse", "/follow", "OFF", "/follow", "window", "/follow", "center"},
       {Follow(0, FollowChoice::kMouse), Follow(2, FollowChoice::kOff), Follow(4, FollowChoice::kWindow),
        Follow(6, FollowChoice::kCentre)},
       true},
      {{"/apply"}, {}, true},
      {{"/noapply"}, {}, false},
      {{"/rect", "1,2,3,4", "/disable"}, {Rect(0, 1, 2, 3, 4), Simple(Kind::kDisable, 2)}, false},
      {{"/disable", "/noapply", "/disable"}, {Simple(Kind::kDisable, 0), Simple(Kind::kDisable, 2)}, false},
  };
  for (const Case& c : cases) {
    const ParsedCommand parsed = ParseCommandLine(c.arguments);
    EXPECT_EQ(parsed.error, CommandResult{}) << c.arguments[0];
    EXPECT_EQ(parsed.command, (Command{c.steps, c.apply, false})) << c.arguments[0];
  }
}

TEST(ParseCommandLine, BadLinesNameTheSwitchAndEndWithCodeTwo) {
  struct Case {
    std::vector<std::string> arguments;
    CommandResult error;
  };
  const Case cases[] = {
      {{"rect", "1,2,3,4"}, {R::kNotASwitch, 0}},
      {{""}, {R::kNotASwitch, 0}},
      {{"/apply", "/"}, {R::kUnknownSwitch, 1}},
      {{"//rect", "1,2,3,4"}, {R::kUnknownSwitch, 0}},
      {{"/rectangle", "1,2,3,4"}, {R::kUnknownSwitch, 0}},
      {{"/ｒｅｃｔ", "1,2,3,4"}, {R::kUnknownSwitch, 0}},
      {{"/desktop", "/pos"}, {R::kMissingValue, 1}},
      {{"/rect", "1,2,3"}, {R::kBadRectangle, 0}},
      {{"/rect", "1,2,3,4,5"}, {R::kBadRectangle, 0}},
      {{"/rect", "1,2,3,4 "}, {R::kBadRectangle, 0}},
      {{"/rect", "1,,3,4"}, {R::kBadRectangle, 0}},
      {{"/rect", "1,2,3,2147483648"}, {R::kBadRectangle, 0}},
      {{"/pos", "0"}, {R::kBadItemNumber, 0}},
      {{"/size", "-1"}, {R::kBadItemNumber, 0}},
      {{"/size", "two"}, {R::kBadItemNumber, 0}},
      {{"/follow", "on"}, {R::kBadFollowMode, 0}},
      {{"/window", ""}, {R::kEmptyValue, 0}},
      {{"/window", "a", "/window", "b"}, {R::kRepeated, 2}},
      {{"/exe", "a.exe", "/window", "t", "/exe", "b.exe"}, {R::kRepeated, 4}},
      {{"/apply", "/noapply"}, {R::kConflict, 1}},
      {{"/noapply", "/apply"}, {R::kConflict, 1}},
      {{"/disable", "/apply"}, {R::kConflict, 1}},
      {{"/apply", "/disable"}, {R::kConflict, 1}},
      // The first fault counts; nothing after it is read.
      {{"/bogus", "/pos", "0"}, {R::kUnknownSwitch, 0}},
  };
  for (const Case& c : cases) {
    const ParsedCommand parsed = ParseCommandLine(c.arguments);
    EXPECT_EQ(parsed.error, c.error) << c.arguments[0] << " " << parsed.error.index;
    EXPECT_EQ(parsed.error.ExitCode(), 2);
  }
}

TEST(ParseCommandLine, HelpWinsOverEverythingElse) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"/?"}, {"-?"}, {"/rect", "1,2,3,4", "/?"}, {"/bogus", "/?"}}) {
    const ParsedCommand parsed = ParseCommandLine(arguments);
    EXPECT_TRUE(parsed.command.help);
    EXPECT_EQ(parsed.error, CommandResult{});
    EXPECT_TRUE(parsed.command.steps.empty());
  }
  // A value that reads "/?" is still a value.
  EXPECT_TRUE(ParseCommandLine({"/window", "/?"}).command.help);
}

TEST(CommandResult, EachReasonBelongsToItsExitCode) {
  EXPECT_EQ(CommandResult{}.ExitCode(), 0);
  EXPECT_EQ((CommandResult{R::kTooManyArguments}.ExitCode()), 2);
  EXPECT_EQ((CommandResult{R::kNoSuchPosition}.ExitCode()), 3);
  EXPECT_EQ((CommandResult{R::kNoSuchWindow}.ExitCode()), 3);
  EXPECT_EQ((CommandResult{R::kSelecting}.ExitCode()), 4);
  EXPECT_EQ((CommandResult{R::kFailed}.ExitCode()), 4);
  EXPECT_EQ((CommandResult{R::kNoPanel}.ExitCode()), 5);
  EXPECT_EQ((CommandResult{R::kNotUnderstood}.ExitCode()), 5);
}

TEST(CommandResultText, NamesTheSwitchItsValueAndTheCode) {
  const std::vector<std::string> arguments = {"/rect", "1,2", "/exe", "a.exe", "/window", "メモ帳", "/pos", "7"};
  EXPECT_EQ(CommandResultText({R::kBadRectangle, 0}, arguments),
            "NOLB: /rect の値 「1,2」 は「X,Y,幅,高さ」の形の 4 つの整数ではありません。 (終了コード 2)\n");
  EXPECT_EQ(CommandResultText({R::kNoSuchPosition, 6}, arguments),
            "NOLB: 位置のプリセットに 7 番目の項目はありません。 (終了コード 3)\n");
  EXPECT_EQ(CommandResultText({R::kEditNotANumber, 1}, arguments),
            "NOLB: パネルの Y の欄が整数ではなく、適用できないため、何もしませんでした。 (終了コード 4)\n");
  EXPECT_EQ(CommandResultText({}, arguments), "");
  // Both parts of the window the command looked for.
  const std::vector<std::string> window = {"/exe", "a.exe", "/window", "メモ帳"};
  EXPECT_EQ(CommandResultText({R::kNoSuchWindow, 0}, window),
            "NOLB: 題名に 「メモ帳」 を含む、プログラムが a.exe のウィンドウが見つかりません。 (終了コード 3)\n");
  // An index beyond the arguments (a forged answer) names nothing, safely.
  EXPECT_EQ(CommandResultText({R::kMissingValue, 200}, arguments),
            "NOLB:  の後に値がありません。 (終了コード 2)\n");
}

}  // namespace
}  // namespace nolb
