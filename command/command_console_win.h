// Text for the console a command process was started from: its own (the
// console companion, a program redirected by a script), or that of the
// process that started it (the panel's program, a window program, started
// from a command prompt); where there is none (a shortcut, a button box),
// nowhere.
#pragma once

#include <string_view>

#include "command/command_output.h"

namespace nolb {

enum class ConsoleStream { kOutput, kError };

// Where text on the stream would go (command_output.h).
OutputForm StartingOutput(ConsoleStream stream);

// Writes UTF-8 text, its "\n" as line ends: to a console in UTF-16 with
// WriteConsoleW, so that Japanese reads right whatever the console's code
// page; to a file or a pipe as UTF-8 without a byte order mark. A parent's
// console is left again at once.
void WriteToStartingConsole(ConsoleStream stream, std::string_view text);

}  // namespace nolb
