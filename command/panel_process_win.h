// The panel started for a command when none runs.
#pragma once

#include "ui/handles_win.h"

namespace nolb {

// Starts the panel's program (this process's own file with ".exe":
// NOLBPanel.exe beside NOLBPanel.com, or the panel's program itself) without
// arguments, in this process's current directory (where the preset lists
// are read from), shown as this process was asked to show. It is a process
// of its own that goes on when this one ends: it inherits no handle (a
// script reading this process's output through a pipe is not kept
// waiting), no console (Ctrl+C here does not reach it), and leaves this
// process's job where the job lets it. Returns its process handle, or none
// when it cannot be started.
ui::KernelHandle StartPanelProcess();

}  // namespace nolb
