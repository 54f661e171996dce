#include "command/panel_process_win.h"

#include <string>

#include "base/native_path.h"
#include "ui/settings_store_win.h"

namespace nolb {

ui::KernelHandle StartPanelProcess() {
  const NativePath program = ReplaceExtension(ExecutablePath(), ".exe");
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW own{};
  own.cb = sizeof own;
  GetStartupInfoW(&own);
  // No standard handles: none of this process's goes with it.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | (own.dwFlags & STARTF_USESHOWWINDOW);
  startup.wShowWindow = own.wShowWindow;
  PROCESS_INFORMATION started{};
  // A job that does not allow leaving it refuses the first form.
  constexpr DWORD kOwnGroup = CREATE_NEW_PROCESS_GROUP;
  for (const DWORD flags : {kOwnGroup | CREATE_BREAKAWAY_FROM_JOB, kOwnGroup}) {
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                       &startup, &started)) {
      CloseHandle(started.hThread);
      return ui::KernelHandle(started.hProcess);
    }
  }
  return {};
}

}  // namespace nolb
