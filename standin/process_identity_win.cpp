#include "process_identity_win.h"

#include <windows.h>

#include "ui/handles_win.h"

namespace nolb::standin {

namespace {

std::uint64_t StartTimeOf(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

}  // namespace

std::uint64_t CurrentProcessStartTime() { return StartTimeOf(GetCurrentProcess()); }

bool ProcessAlive(std::uint32_t processId, std::uint64_t startTime) {
  if (processId == 0) return false;
  const ui::KernelHandle process(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return false;
  if (WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT) return false;
  return startTime == 0 || StartTimeOf(process.Get()) == startTime;
}

}  // namespace nolb::standin
