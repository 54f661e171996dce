// How a command reaches a panel that already runs: the new process sends
// its arguments to the panel's command window in one WM_COPYDATA message,
// and the panel's answer (the message's result) says how the command
// ended. Both sides check what they handle with the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "command/command_line.h"

namespace nolb {

// The message's dwData: what it carries. A command of this program, in
// this form, from a process that writes how it ended ("NLB1"), or from one
// without a console, whose failure the panel tells in a notice ("NLBN");
// the companion's wish to see the panel, without data ("NLBS"); and, sent
// back to the command process's reply window (the command message's
// wParam) before the answer, the error that ended a step, in the same form
// as one argument ("NLBE").
inline constexpr std::uint32_t kCommandMarker = 0x4E4C4231;
inline constexpr std::uint32_t kNoticeCommandMarker = 0x4E4C424E;
inline constexpr std::uint32_t kShowPanelMarker = 0x4E4C4253;
inline constexpr std::uint32_t kErrorTextMarker = 0x4E4C4245;
// At most this many UTF-16 units in all, each argument counting one more
// for its end; at most this many arguments.
inline constexpr std::size_t kMaxCommandUnits = 8192;
inline constexpr std::size_t kMaxCommandArguments = 64;

struct CommandArguments {
  std::vector<std::string> text;  // UTF-8
  CommandResult error;            // reason kNone when the arguments are good
};

// The arguments as the parser reads them: refused (kTooManyArguments,
// kTooLong, kBadText for a lone surrogate) beyond the limits above.
CommandArguments ArgumentsAsText(const std::vector<std::u16string>& arguments);

// What the message carries: each argument in UTF-16, followed by a NUL.
std::u16string CommandPayload(const std::vector<std::u16string>& arguments);

// The arguments of a message's data (little-endian UTF-16 units), checked
// as strictly as the command line itself: a whole number of units, within
// the limit, the last one a NUL; then as ArgumentsAsText. A message that
// holds no command at all (no data) is kBadText.
CommandArguments ArgumentsFromPayload(const std::uint8_t* data, std::size_t size);

// The answer: the result in one 32-bit value that no other window's answer
// to the message (0, 1) can be taken for.
std::uint32_t AnswerValue(const CommandResult& result);
// Back; a value that is no answer of the panel's gives kNotUnderstood.
CommandResult ResultFromAnswer(std::uint32_t value);

}  // namespace nolb
