// A command process hands its command to the panel that runs and waits for
// the answer: the command window of a panel that is starting (one this
// process started, or one that holds the mutex already) is waited for a
// few seconds, a panel that does not answer within a second counts as not
// answering.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "command/command_line.h"
#include "command/command_start.h"

namespace nolb {

// The single-instance mutex: whoever creates it is the panel.
inline constexpr wchar_t kInstanceMutexName[] = L"NOLB_Boot";

// Looks at the mutex without making it: kExists, kDenied, kMissing, kFailed.
MutexProbe LookForPanel();

// Sends the message (marker from command_transfer.h) with the arguments,
// which must be good (ArgumentsAsText), to the panel's command window, once
// there is one. started: the panel this process started, or none.
CommandOutcome DeliverToPanel(std::uint32_t marker, const std::vector<std::u16string>& arguments, HANDLE started);

}  // namespace nolb
