// NOLBPanel.com, the panel's console companion: typed as "NOLBPanel" in a
// command prompt or PowerShell it runs before NOLBPanel.exe (".COM" comes
// before ".EXE" in PATHEXT), and the prompt waits for it. It takes the
// panel's switches, hands the command to the panel (started when none
// runs), writes what went wrong to its console and ends with the command's
// code. Without switches it brings the panel up. Ctrl+C ends it at once:
// it holds nothing that the panel needs.
#include "command/command_start_win.h"

int wmain() {
  const nolb::StartCommand start = nolb::ReadStartCommand();
  if (start.exitCode) return *start.exitCode;
  return nolb::RunCommandProcess(nolb::Starter::kCompanion, start);
}
