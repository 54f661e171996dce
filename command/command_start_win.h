// The command line of a process that starts: read whole before anything
// else; then handed to the panel that runs, or, when this process becomes
// the panel, carried out once its start-up is done. No message box: what
// goes wrong is written to the console the process was started from, and
// the exit code says how the command ended.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command/command_line.h"

namespace nolb {

class CommandWindow;

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

// Another copy is the panel: without a command this one ends silently
// (0), with one it hands the command over and ends with the answer.
int HandOverToPanel(const StartCommand& start);

// This process is the panel: its own command, once the start-up is done.
// What goes wrong is written to the console; the panel goes on.
void RunStartCommand(CommandWindow& window, const StartCommand& start);

}  // namespace nolb
