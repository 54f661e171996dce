// What a command's process writes to the console it was started from: the
// description of the switches (/?), and why a command did not succeed; the
// same sentences in a notice where there is no console. Japanese, UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command/command_line.h"

namespace nolb {

// program: the file name the process was started as ("NOLBPanel.com").
std::string CommandHelpText(std::string_view program);

// What went wrong, naming the switch (or the edit) concerned, with the
// error that ended a step; empty for a command that succeeded. arguments
// are the command's, as the parser read them.
std::string CommandResultMessage(const CommandOutcome& outcome, const std::vector<std::string>& arguments);

// The message as a line of the console: "NOLB: ", the message, the exit code.
std::string CommandOutcomeText(const CommandOutcome& outcome, const std::vector<std::string>& arguments);
inline std::string CommandResultText(const CommandResult& result, const std::vector<std::string>& arguments) {
  return CommandOutcomeText(CommandOutcome{result}, arguments);
}

}  // namespace nolb
