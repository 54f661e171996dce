// Start-up times of the panel beside its yardstick, plain_main_window.exe:
// the panel's main window made plainly. The two programs start alternately,
// after one uncounted start of each; the panel's uncounted start also gives
// the layout of its main window, which the yardstick then makes. The panel
// runs from a temporary folder with a copy of NOLB.DLL, so every start is
// without a settings file, and both are closed normally after each start.
#pragma once

#include <vector>

#include "bench/bench_support_win.h"
#include "standin/standin_library_win.h"

namespace bench {

// Milliseconds from CreateProcess, one value a start.
struct StartupTimes {
  std::vector<double> plainControlsMade;  // the yardstick's controls and menus made
  std::vector<double> plainShown;         // its window visible
  std::vector<double> panelFirstPush;     // the panel's first NOLB_Enabled(1)
  std::vector<double> panelShown;         // its main window visible
  size_t plainControls = 0;               // the controls the yardstick made
};

// Clears the stand-in's journal before each start of the panel.
StartupTimes MeasureStartups(const nolb::standin::StandinLibrary& library, int runs);

// Median, minimum and maximum of each, and the ratios of the medians.
void PrintStartups(const StartupTimes& times);

}  // namespace bench
