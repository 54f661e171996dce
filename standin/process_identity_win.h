// Telling whether a process recorded earlier is still the same running
// process: its id together with its start time, since ids are reused.
#pragma once

#include <cstdint>

namespace nolb::standin {

// The start time of the calling process (FILETIME ticks).
std::uint64_t CurrentProcessStartTime();

// True while the process with this id runs and started at startTime.
bool ProcessAlive(std::uint32_t processId, std::uint64_t startTime);

}  // namespace nolb::standin
