// The command line, as a panel receives it from another process (the input
// as a message's data) and as a process reads its own (the input cut at
// line ends into arguments, any bytes); then checked against a panel.
//
// Properties:
// - data that is taken gives one argument for each NUL; data that is
//   refused gives none and code 2;
// - a good line's steps stand in the order of their switches and, written
//   back in a plain form, read back the same; a bad line names an argument
//   that is there and ends with code 2, with a message;
// - the check of a good command ends with 0, 3 or 4, naming one of its
//   arguments (or an edit), and plans a window exactly for each /window step;
// - every result survives the answer; any other answer reads as not understood.
#include <string>
#include <vector>

#include "command/command_check.h"
#include "command/command_text.h"
#include "command/command_transfer.h"
#include "base/integer_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace nolb::fuzz {
namespace {

using Kind = CommandStep::Kind;

std::string Shown(const std::vector<std::string>& arguments) {
  std::string shown;
  for (const std::string& argument : arguments) shown += fuzz::Shown(argument) + " ";
  return shown;
}

// The command in a plain form: every step by its own switch.
std::vector<std::string> WrittenBack(const Command& command) {
  static const char* const kFollow[] = {"window", "mouse", "centre", "off"};
  std::vector<std::string> line;
  bool disables = false;
  for (const CommandStep& s : command.steps) {
    if (s.kind == Kind::kRectangle) {
      line.insert(line.end(), {"/rect", IntegerText(s.x) + "," + IntegerText(s.y) + "," + IntegerText(s.width) + "," +
                                            IntegerText(s.height)});
    } else if (s.kind == Kind::kPosition || s.kind == Kind::kSize) {
      line.insert(line.end(), {s.kind == Kind::kPosition ? "/pos" : "/size", IntegerText(s.item)});
    } else if (s.kind == Kind::kWindow) {
      if (!s.title.empty()) line.insert(line.end(), {"/window", s.title});
      if (!s.program.empty()) line.insert(line.end(), {"/exe", s.program});
    } else if (s.kind == Kind::kFollow) {
      line.insert(line.end(), {"/follow", kFollow[static_cast<int>(s.follow)]});
    } else {
      line.push_back(s.kind == Kind::kDesktop ? "/desktop" : "/disable");
      disables = disables || s.kind == Kind::kDisable;
    }
  }
  if (!command.apply && !disables) line.push_back("/noapply");
  return line;
}

Command WithoutPlaces(Command command) {
  for (CommandStep& step : command.steps) step.argument = 0;
  return command;
}

void CheckResult(const CommandResult& result, const std::vector<std::string>& arguments, const std::string& what) {
  const bool edit = result.reason == CommandReason::kEditNotANumber;
  FUZZ_REQUIRE(result.index >= -1 && result.index < (edit ? 4 : static_cast<int>(arguments.size())),
               what + " names argument " + std::to_string(result.index));
  FUZZ_REQUIRE(ResultFromAnswer(AnswerValue(result)) == result, what + " does not survive the answer");
  FUZZ_REQUIRE((result.reason == CommandReason::kNone) == CommandResultText(result, arguments).empty(),
               what + " has no message");
}

void CheckPlan(const Command& command, const std::vector<std::string>& arguments, std::size_t variant) {
  PanelState panel{CommandReason::kNone,
                   static_cast<FollowState>(variant % 3),
                   {"0", variant % 5 ? "1" : "x", "3", "4"},
                   {"0, 0", "x"},
                   {"320, 240"}};
  const CommandPlan plan = CheckCommand(command, panel, [](std::string_view title, std::string_view) {
    return title.find('a') != std::string_view::npos ? WindowId{7} : WindowId{0};
  });
  const std::string what = "the check of " + Shown(arguments);
  CheckResult(plan.result, arguments, what);
  const CommandStatus status = plan.result.Status();
  FUZZ_REQUIRE(status != CommandStatus::kBadCommandLine && status != CommandStatus::kNoAnswer,
               what + " ended with code " + std::to_string(plan.result.ExitCode()));
  for (std::size_t i = 0; status == CommandStatus::kDone && i < command.steps.size(); ++i) {
    FUZZ_REQUIRE((command.steps[i].kind == Kind::kWindow) == (plan.windows.at(i) != 0),
                 what + " planned a window for step " + std::to_string(i));
  }
}

void CheckLine(const std::vector<std::string>& arguments, std::size_t variant) {
  const ParsedCommand parsed = ParseCommandLine(arguments);
  const std::string what = Shown(arguments);
  CheckResult(parsed.error, arguments, what);
  if (parsed.error.reason != CommandReason::kNone) {
    FUZZ_REQUIRE(parsed.error.ExitCode() == 2 && parsed.error.index >= 0, what + " refused without a switch");
    return;
  }
  if (parsed.command.help) return;
  int last = -1;
  for (const CommandStep& step : parsed.command.steps) {
    const std::string& at = arguments.at(static_cast<std::size_t>(step.argument));
    FUZZ_REQUIRE(step.argument > last && (at[0] == '/' || at[0] == '-'),
                 what + " has a step at argument " + std::to_string(step.argument));
    last = step.argument;
  }
  const std::vector<std::string> again = WrittenBack(parsed.command);
  const ParsedCommand reread = ParseCommandLine(again);
  FUZZ_REQUIRE(reread.error.reason == CommandReason::kNone &&
                   WithoutPlaces(reread.command) == WithoutPlaces(parsed.command),
               what + " written back as " + Shown(again) + " reads otherwise");
  CheckPlan(parsed.command, arguments, variant);
}

void CheckPayload(const std::uint8_t* data, std::size_t size) {
  const CommandArguments arguments = ArgumentsFromPayload(data, size);
  if (arguments.error.reason != CommandReason::kNone) {
    FUZZ_REQUIRE(arguments.text.empty() && arguments.error.ExitCode() == 2, "refused data gave arguments");
    return;
  }
  // One argument for each NUL, the last one ending the data.
  std::size_t ends = 0;
  for (std::size_t i = 0; i + 1 < size; i += 2) ends += (data[i] | data[i + 1]) == 0;
  FUZZ_REQUIRE(arguments.text.size() == ends, "data with " + std::to_string(ends) + " NULs gave " +
                                                  std::to_string(arguments.text.size()) + " arguments");
  CheckLine(arguments.text, size);
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nolb::fuzz::CheckPayload(data, size);
  if (size >= 4) {
    const std::uint32_t value = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    const nolb::CommandResult result = nolb::ResultFromAnswer(value);
    FUZZ_REQUIRE(result.reason == nolb::CommandReason::kNotUnderstood || nolb::AnswerValue(result) == value,
                 "the answer " + std::to_string(value) + " is read as another");
  }
  std::vector<std::string> arguments;
  for (std::string_view piece : nolb::fuzz::Split(nolb::fuzz::AsText(data, size), '\n')) arguments.emplace_back(piece);
  if (arguments.size() <= nolb::kMaxCommandArguments) nolb::fuzz::CheckLine(arguments, size);
  return 0;
}
