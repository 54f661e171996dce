// The command line of a process that starts: read whole before anything
// else; then, when it holds a command, handed to the panel that runs, or to
// one started for it: a command process never becomes the panel. No
// message box: what goes wrong is written to the console the process was
// started from (or, without one, told in a notice), and the exit code says
// how the command ended.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command/command_line.h"
#include "command/command_start.h"

namespace nolb {

struct StartCommand {
  std::vector<std::u16string> arguments;  // as given, without the program's name
  std::vector<std::string> text;          // the same, UTF-8
  std::optional<Command> command;         // a command to carry out
  std::optional<int> exitCode;            // the process ends at once with this code
};

// The process's own arguments. A line without arguments is no command; /?
// writes the description of the switches and a bad line its fault, and
// the process ends (0, 2) before it looks for a panel.
StartCommand ReadStartCommand();

// A command process: the command (from the companion without one, the wish
// to see the panel) goes to the panel that runs, or to one it starts and
// waits for; then it writes what went wrong and returns the exit code.
int RunCommandProcess(Starter starter, const StartCommand& start);

// A start without switches meets a panel run as administrator: a message
// box says so.
void WarnOfElevatedPanel();

}  // namespace nolb
