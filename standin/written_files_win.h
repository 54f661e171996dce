// Which files a program wrote since a moment: the files of its own folder
// and of its current folder. At NOLB_Uninit the library counts those
// written since NOLB_Init, so that a test can tell whether the panel wrote
// its settings and lists before or after it released the library.
#pragma once

#include <cstdint>

namespace nolb::standin {

// Now, on the clock of the files' times.
std::uint64_t FileClockNow();

// The files in the calling program's folder and in the current folder
// last written at `since` or later.
std::int32_t FilesWrittenSince(std::uint64_t since);

}  // namespace nolb::standin
