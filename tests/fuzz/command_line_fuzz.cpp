// The command line, as a panel receives it from another process (the input
// as a message's data) and as a process reads its own (the input cut at
// line ends into arguments, any bytes); then checked against a panel.
//
// Properties:
// - data that is taken holds the arguments that, sent again, make exactly
//   that data; data that is refused names no argument beyond the ones it
//   could hold;
// - a good line's steps stand in the order of their switches, each naming
//   a switch; written back in a plain form the command reads back the same;
//   a bad line names an argument that is there and ends with code 2;
// - the check of a good command refuses it with code 3 or 4 naming one of
//   its switches (or an edit), or accepts it with a window for each
//   /window step and none elsewhere;
// - every result survives the answer, and an answer that is not the
//   panel's reads as not understood; a fault has a message.
#include <string>
#include <vector>

#include "app/command_check.h"
#include "app/command_text.h"
#include "app/command_transfer.h"
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

std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<std::size_t>(length);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

// The command in a plain form: every step by its own switch.
std::vector<std::string> WrittenBack(const Command& command) {
  std::vector<std::string> line;
  static const char* const kFollow[] = {"window", "mouse", "centre", "off"};
  for (const CommandStep& s : command.steps) {
    switch (s.kind) {
      case Kind::kRectangle:
        line.insert(line.end(), {"/rect", IntegerText(s.x) + "," + IntegerText(s.y) + "," +
                                              IntegerText(s.width) + "," + IntegerText(s.height)});
        break;
      case Kind::kPosition:
      case Kind::kSize:
        line.insert(line.end(), {s.kind == Kind::kPosition ? "/pos" : "/size", IntegerText(s.item)});
        break;
      case Kind::kDesktop:
        line.push_back("/desktop");
        break;
      case Kind::kWindow:
        if (!s.title.empty()) line.insert(line.end(), {"/window", s.title});
        if (!s.program.empty()) line.insert(line.end(), {"/exe", s.program});
        break;
      case Kind::kFollow:
        line.insert(line.end(), {"/follow", kFollow[static_cast<int>(s.follow)]});
        break;
      case Kind::kDisable:
        line.push_back("/disable");
        break;
    }
  }
  bool disables = false;
  for (const CommandStep& s : command.steps) disables = disables || s.kind == Kind::kDisable;
  if (!command.apply && !disables) line.push_back("/noapply");
  return line;
}

Command WithoutPlaces(Command command) {
  for (CommandStep& step : command.steps) step.argument = 0;
  return command;
}

void CheckResult(const CommandResult& result, std::size_t arguments, const std::string& what) {
  FUZZ_REQUIRE(result.index >= -1 && (result.index < 0 || static_cast<std::size_t>(result.index) < arguments ||
                                      result.reason == CommandReason::kEditNotANumber),
               what + " names argument " + std::to_string(result.index));
  FUZZ_REQUIRE(ResultFromAnswer(AnswerValue(result)) == result, what + " does not survive the answer");
}

void CheckPlan(const Command& command, const std::vector<std::string>& arguments, std::size_t seed) {
  PanelState panel;
  panel.follow = static_cast<FollowState>(seed % 3);
  panel.edits = {"0", seed % 5 == 0 ? "abc" : "1", "320", "240"};
  panel.positions = {"0, 0", "x"};
  panel.sizes = {"320, 240"};
  const CommandPlan plan = CheckCommand(command, panel, [](std::string_view title, std::string_view) {
    return title.find('a') != std::string_view::npos ? WindowId{7} : WindowId{0};
  });
  const std::string what = "the check of " + Shown(arguments);
  CheckResult(plan.result, arguments.size(), what);
  const CommandStatus status = plan.result.Status();
  FUZZ_REQUIRE(status == CommandStatus::kDone || status == CommandStatus::kNotFound ||
                   status == CommandStatus::kBusy,
               what + " ended with code " + std::to_string(plan.result.ExitCode()));
  if (status != CommandStatus::kDone) return;
  FUZZ_REQUIRE(plan.windows.size() == command.steps.size(), what + " planned another number of steps");
  for (std::size_t i = 0; i < command.steps.size(); ++i) {
    FUZZ_REQUIRE((command.steps[i].kind == Kind::kWindow) == (plan.windows[i] != 0),
                 what + " planned a window for step " + std::to_string(i));
  }
}

void CheckLine(const std::vector<std::string>& arguments, std::size_t seed) {
  const ParsedCommand parsed = ParseCommandLine(arguments);
  const std::string what = Shown(arguments);
  CheckResult(parsed.error, arguments.size(), what);
  if (parsed.error.reason != CommandReason::kNone) {
    FUZZ_REQUIRE(parsed.error.ExitCode() == 2 && parsed.error.index >= 0, what + " refused with another code");
    FUZZ_REQUIRE(!CommandResultText(parsed.error, arguments).empty(), what + " refused without a message");
    return;
  }
  if (parsed.command.help) return;
  int last = -1;
  for (const CommandStep& step : parsed.command.steps) {
    FUZZ_REQUIRE(step.argument > last && static_cast<std::size_t>(step.argument) < arguments.size() &&
                     (arguments[static_cast<std::size_t>(step.argument)][0] == '/' ||
                      arguments[static_cast<std::size_t>(step.argument)][0] == '-'),
                 what + " has a step at argument " + std::to_string(step.argument));
    last = step.argument;
  }
  const std::vector<std::string> again = WrittenBack(parsed.command);
  const ParsedCommand reread = ParseCommandLine(again);
  FUZZ_REQUIRE(reread.error.reason == CommandReason::kNone &&
                   WithoutPlaces(reread.command) == WithoutPlaces(parsed.command),
               what + " written back as " + Shown(again) + " reads otherwise");
  CheckPlan(parsed.command, arguments, seed);
}

void CheckPayload(const std::uint8_t* data, std::size_t size) {
  const CommandArguments arguments = ArgumentsFromPayload(data, size);
  if (arguments.error.reason != CommandReason::kNone) {
    FUZZ_REQUIRE(arguments.text.empty() && arguments.error.ExitCode() == 2 &&
                     arguments.error.index < static_cast<int>(size / 2),
                 "refused data names argument " + std::to_string(arguments.error.index));
    return;
  }
  std::vector<std::u16string> utf16;
  for (const std::string& argument : arguments.text) utf16.push_back(Utf16(argument));
  const std::u16string payload = CommandPayload(utf16);
  bool same = payload.size() * 2 == size;
  for (std::size_t i = 0; same && i < payload.size(); ++i) {
    same = payload[i] == static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  FUZZ_REQUIRE(same,
               "the arguments " + Shown(arguments.text) + " are sent as other data");
  CheckLine(arguments.text, size);
}

void CheckAnswer(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  const std::uint32_t value = static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16) |
                              static_cast<std::uint32_t>(data[3]) << 24;
  const CommandResult result = ResultFromAnswer(value);
  FUZZ_REQUIRE(result.reason == CommandReason::kNotUnderstood || AnswerValue(result) == value,
               "the answer " + std::to_string(value) + " is read as another");
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nolb::fuzz::CheckPayload(data, size);
  nolb::fuzz::CheckAnswer(data, size);
  std::vector<std::string> arguments;
  for (std::string_view piece : nolb::fuzz::Split(nolb::fuzz::AsText(data, size), '\n')) {
    arguments.emplace_back(piece);
  }
  if (arguments.size() <= nolb::kMaxCommandArguments) nolb::fuzz::CheckLine(arguments, size);
  return 0;
}
