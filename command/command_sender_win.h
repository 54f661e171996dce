// A new process hands its command line to the panel that runs and waits
// for the answer: the command window of a panel that is starting at the
// same moment is waited for a few seconds, a panel that does not answer
// within a second counts as not answering.
#pragma once

#include <string>
#include <vector>

#include "command/command_line.h"

namespace nolb {

// The single-instance mutex: whoever creates it is the panel.
inline constexpr wchar_t kInstanceMutexName[] = L"NOLB_Boot";

// The arguments must be good (ArgumentsAsText): they go as they are.
CommandResult SendCommandToPanel(const std::vector<std::u16string>& arguments);

}  // namespace nolb
