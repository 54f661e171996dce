// startup_bench.exe [--runs N]: how long the panel takes from CreateProcess
// to its first push reaching the capture hook library (its first
// NOLB_Enabled(1) in the stand-in's journal) and to its main window being
// visible, beside its yardstick plain_main_window.exe, the same main window
// made plainly: the time until its controls and menus are made and until its
// window is visible. Both in the same run, alternately (startup_runs_win.h).
// Prints median, minimum and maximum in milliseconds and the ratios of the
// medians. The panel must not be running already; do not run beside the
// end-to-end tests (the stand-in's journal is cleared).
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <string>

#include "bench/linux_process_win.h"
#include "bench/startup_runs_win.h"

int wmain(int argc, wchar_t** argv) {
  return bench::RunWithCount(argc, argv, "startup_bench", L"--runs", 10, 1000, [](int runs) {
    timeBeginPeriod(1);
    struct EndPeriod {
      ~EndPeriod() { timeEndPeriod(1); }
    } endPeriod;
    nolb::standin::StandinLibrary library;
    const std::string load = bench::LoadAverage();
    bench::PrintStartups(bench::MeasureStartups(library, runs));
    std::printf("load average: %s at the start, %s at the end\n", load.c_str(), bench::LoadAverage().c_str());
    return 0;
  });
}
