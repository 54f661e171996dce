// The windows shown on the screen now, for snapping the selection to a
// window.
#pragma once

#include "target/window_snapshot.h"

namespace nolb {

// Every shown top-level window (topmost first) with its shown children, in
// screen coordinates; the program's own windows are marked and not entered.
WindowSnapshot TakeWindowSnapshot();

}  // namespace nolb
