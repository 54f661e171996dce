// The command line that drives the panel from outside (a desktop shortcut,
// a button of a macro tool, a script): switches carried out in the order
// given, as the user would do it in the main window, and then "適用" unless
// the line says otherwise. A new process reads its own arguments with this
// parser, and a running panel reads with it what such a process hands over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nolb {

// How a command ends: the exit code of the process that gave it.
enum class CommandStatus : std::uint8_t {
  kDone = 0,
  kBadCommandLine = 2,
  kNotFound = 3,  // no such window or preset
  kBusy = 4,      // the panel cannot do it now, and did nothing
  kNoAnswer = 5,  // no panel answered
  kPartlyDone = 6,  // a step failed after the steps before it had changed something
};

// Why a command did not end with kDone; each reason belongs to one status.
enum class CommandReason : std::uint8_t {
  kNone,
  // kBadCommandLine
  kNotASwitch,
  kUnknownSwitch,
  kMissingValue,
  kEmptyValue,
  kBadRectangle,
  kBadItemNumber,
  kBadFollowMode,
  kRepeated,
  kConflict,
  kBadText,
  kTooLong,
  kTooManyArguments,
  // kNotFound
  kNoSuchPosition,
  kNoSuchSize,
  kNoSuchWindow,
  kWindowGone,  // the window went between the check and its step; nothing changed
  // kBusy
  kSelecting,
  kDragging,
  kModalWindow,
  kClosing,
  kCommandRunning,
  kLockedByFollow,
  kEditNotANumber,
  kFailed,
  // kNoAnswer
  kNoPanel,
  kNoAnswer,
  kRefused,  // the panel runs as administrator, and this process does not
  kNotUnderstood,
  kCannotStartPanel,
  // kPartlyDone
  kStepFailed,
  kLast = kStepFailed,
};

CommandStatus StatusOf(CommandReason reason);

struct CommandResult {
  CommandReason reason = CommandReason::kNone;
  // The argument (from 0) of the switch concerned; with kEditNotANumber the
  // edit (0 X, 1 Y, 2 width, 3 height); -1 for none.
  int index = -1;
  CommandStatus Status() const { return StatusOf(reason); }
  int ExitCode() const { return static_cast<int>(Status()); }
  bool operator==(const CommandResult&) const = default;
};

// A result and, for kStepFailed, the error that ended the step (UTF-8).
struct CommandOutcome {
  CommandResult result;
  std::string error{};
  bool operator==(const CommandOutcome&) const = default;
};

enum class FollowChoice : std::uint8_t { kWindow, kMouse, kCentre, kOff };

struct CommandStep {
  enum class Kind : std::uint8_t { kRectangle, kPosition, kSize, kDesktop, kWindow, kFollow, kDisable };
  Kind kind = Kind::kDesktop;
  int argument = 0;  // the switch's place among the arguments, from 0
  // kRectangle: the four edits.
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // kPosition, kSize: the item of the preset list, from 1.
  std::int32_t item = 0;
  // kWindow: a part of the title and the program file (UTF-8); empty: any.
  std::string title{};
  std::string program{};
  FollowChoice follow = FollowChoice::kOff;
  bool operator==(const CommandStep&) const = default;
};

struct Command {
  std::vector<CommandStep> steps;
  bool apply = true;  // "適用" after the steps
  bool help = false;  // only the description of the switches is asked for
  bool operator==(const Command&) const = default;
};

struct ParsedCommand {
  Command command;
  CommandResult error;  // reason kNone when the line is good
};

// Reads the arguments (UTF-8, without the program's name). Switches begin
// with "/" or "-" in any case; a switch's value is the next argument,
// whatever it begins with (so "/rect -10,0,320,240" works):
//   /rect X,Y,W,H     the four edits; each number as the edits take it
//   /pos N, /size N   the N-th preset item, from 1
//   /desktop          the desktop as target
//   /window TEXT      the topmost window of another program whose title
//   /exe NAME         holds TEXT and whose program file is NAME; one step,
//                     where the first of the two stands; each at most once
//   /follow window|mouse|centre|off
//   /apply, /noapply  apply at the end or not (by default it does)
//   /disable          "無効化"; no apply at the end
//   /?                the description of the switches; nothing else is done
ParsedCommand ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace nolb
