// Text for the console a program was started from. The panel is a window
// program and has no console of its own: a command line's answer goes to
// the console of the process that started it (a command prompt), or to
// where that process redirected the output.
#pragma once

#include <string_view>

namespace ui {

enum class ConsoleStream { kOutput, kError };

// Writes UTF-8 text, its "\n" as line ends:
// - to a standard handle the starting process redirected to a file or a
//   pipe, as UTF-8 (no byte order mark), lines ending in CR LF;
// - otherwise to the starting process's console (AttachConsole of the
//   parent), in UTF-16 with WriteConsoleW, so that Japanese reads right
//   whatever the system's code page; the console is left again at once;
// - nowhere when there is neither (a shortcut, a macro tool).
void WriteToStartingConsole(ConsoleStream stream, std::string_view text);

}  // namespace ui
