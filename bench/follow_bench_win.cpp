// follow_bench.exe [--seconds N]: mouse following measured from the
// stand-in library's journal. The panel runs from a temporary folder with
// mouse following switched on while the cursor circles for N seconds
// (default 10); the tick's NOLB_SetMousePos calls in that time give the
// pushes per second against the ideal 1000 / 33, the intervals between
// pushes (p50, p99, max) and the CPU time of the tick's thread per tick.
// The panel must not be running already; do not run beside the end-to-end
// tests (the journal is cleared).
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <vector>

#include "bench/following_panel_win.h"

namespace {

using namespace bench;

constexpr int kDefaultSeconds = 10;
constexpr double kPeriodMs = 33;

// Kernel and user time of a thread of another process, in ms; -1 when it
// cannot be read.
double ThreadCpuMs(DWORD threadId) {
  ui::KernelHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId));
  return thread ? bench::ThreadCpuMs(thread.Get()) : -1;
}

int Run(int seconds) {
  const fs::path bin = BinFolder();
  RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  RunFolder folder(L"nolb-follow-bench-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  library.NOLBTest_ClearJournal();
  FollowingPanel panel = StartFollowingMouse(library, folder.Path() / L"NOLBPanel.exe", folder.Path());

  DWORD tickThread = 0;
  for (const auto& entry : CallsOf(library, panel.process->Id())) {
    if (panel.IsTickCall(entry)) tickThread = entry.threadId;
  }
  const double threadCpuStart = ThreadCpuMs(tickThread);
  const double processCpuStart = ProcessCpuMs(panel.process->Handle());
  const double start = NowMs();
  CircleTheCursor(start + seconds * 1000.0);
  const double end = NowMs();
  const double threadCpu = ThreadCpuMs(tickThread) - threadCpuStart;
  const double processCpu = ProcessCpuMs(panel.process->Handle()) - processCpuStart;

  std::vector<double> pushes;  // ms
  for (const auto& entry : CallsOf(library, panel.process->Id())) {
    const double at = static_cast<double>(entry.microseconds) / 1000.0;
    if (panel.IsTickCall(entry) && PlacesCursor(entry) && at >= start && at <= end) pushes.push_back(at);
  }
  CloseWindowAndWait(*panel.process, panel.main, "NOLBPanel.exe");
  if (pushes.size() < 2) throw std::runtime_error("fewer than two pushes were journaled");

  std::vector<double> intervals;
  for (size_t i = 1; i < pushes.size(); ++i) intervals.push_back(pushes[i] - pushes[i - 1]);
  const double duration = (end - start) / 1000.0;
  const double rate = static_cast<double>(pushes.size()) / duration;
  const double ideal = 1000.0 / kPeriodMs;
  std::printf("mouse following, %.1f s, period %.0f ms\n", duration, kPeriodMs);
  std::printf("  pushes (NOLB_SetMousePos of the tick)  %zu\n", pushes.size());
  std::printf("  pushes per second                      %.2f of ideal %.2f (%.1f %%)\n", rate, ideal,
              100.0 * rate / ideal);
  std::printf("  interval between pushes (ms)           p50 %.1f   p99 %.1f   max %.1f\n",
              Percentile(intervals, 0.50), Percentile(intervals, 0.99), Percentile(intervals, 1.0));
  if (threadCpu >= 0) {
    std::printf("  CPU time of the tick's thread per tick %.3f ms\n", threadCpu / static_cast<double>(pushes.size()));
  } else {
    std::printf("  CPU time of the tick's thread          (not readable)\n");
  }
  std::printf("  CPU time of the whole panel            %.1f ms per second\n", processCpu / duration);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return bench::RunWithCount(argc, argv, "follow_bench", L"--seconds", kDefaultSeconds, 3600, Run);
}
