// What a command's process writes to the console it was started from: the
// description of the switches (/?), and why a command did not succeed.
// Japanese, UTF-8.
#pragma once

#include <string>
#include <vector>

#include "command/command_line.h"

namespace nolb {

std::string CommandHelpText();

// One or two lines that say what went wrong, naming the switch (or the
// edit) concerned and the exit code; empty for a command that succeeded.
// arguments are the command's, as the parser read them.
std::string CommandResultText(const CommandResult& result, const std::vector<std::string>& arguments);

}  // namespace nolb
