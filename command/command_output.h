// Where a command process writes (how its command ended, the description
// of the switches), decided from what it was given when it started.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nolb {

// What the process's standard output (or error) handle is.
enum class StandardHandle : std::uint8_t { kConsole, kFileOrPipe, kNone };

enum class OutputForm : std::uint8_t {
  kConsole,        // that console, in UTF-16: right whatever its code page
  kBytes,          // that file or pipe: UTF-8 without a byte order mark
  kParentConsole,  // the console of the starting process (a prompt), in UTF-16
  kNone,           // nowhere (a shortcut, a button box): a failure is told in a notice
};

OutputForm ChooseOutputForm(StandardHandle handle, bool parentHasConsole);

// The text as written: each "\n" a CR LF.
std::string WithCrLf(std::string_view text);

}  // namespace nolb
