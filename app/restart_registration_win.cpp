#include "app/restart_registration_win.h"

#include <windows.h>

namespace nolb {

void RegisterRestartAfterUpdate() { RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG); }

}  // namespace nolb
