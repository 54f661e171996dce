// follow_bench.exe [--seconds N]: mouse following measured from the
// stand-in library's journal, at the tick's two periods (33 ms and 16 ms),
// each on the machine as it is and beside two busy processes (one for each
// of two cores). For each run the panel starts from a temporary folder with
// "RealtimeInterval" set, mouse following is switched on and the cursor
// circles for N seconds (default 10); the tick's NOLB_SetMousePos calls in
// that time give the pushes per second against the ideal 1000 / period, the
// intervals between pushes (p50, p99, max), the CPU time of the tick's
// thread per tick and the whole panel's. The panel must not be running
// already; do not run beside the end-to-end tests (the journal is cleared).
//
// follow_bench.exe --busy is one of the busy processes: it spins until it is
// ended.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/following_panel_win.h"
#include "bench/linux_process_win.h"

namespace {

using namespace bench;

constexpr int kDefaultSeconds = 10;
// The journal keeps the newest 16384 calls: about 50 s of following at 16 ms.
constexpr int kMaxSeconds = 40;
constexpr int kBusyProcesses = 2;

// Kernel and user time of a thread of another process, in ms; -1 when it
// cannot be read.
double ThreadCpuMs(DWORD threadId) {
  ui::KernelHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId));
  return thread ? bench::ThreadCpuMs(thread.Get()) : -1;
}

struct Run {
  std::uint32_t periodMs;
  bool busy;
};

struct Figures {
  double seconds = 0;
  size_t pushes = 0;
  double perSecond = 0;
  double p50 = 0, p99 = 0, max = 0;
  double tickCpuMs = -1;  // the tick's thread, per tick
  double panelCpuMsPerTick = 0;  // all threads
};

Figures Measure(const nolb::standin::StandinLibrary& library, const fs::path& folder, const Run& run,
                int seconds) {
  RequireNoPanelRunning();
  std::ofstream(folder / L"NOLBPanel.ini", std::ios::binary)
      << "[Main]\r\nRealtimeInterval=" << run.periodMs << "\r\n";
  std::vector<std::unique_ptr<Child>> busy;
  if (run.busy) {
    for (int i = 0; i < kBusyProcesses; ++i) {
      busy.push_back(std::make_unique<Child>(BinFolder() / L"follow_bench.exe", folder, L"--busy"));
    }
  }
  library.NOLBTest_ClearJournal();
  FollowingPanel panel = StartFollowingMouse(library, folder / L"NOLBPanel.exe", folder);

  // Under Wine the CPU times come from Linux, to the nanosecond; the tick's
  // thread is then the busiest but the GUI thread.
  std::optional<LinuxProcess> linuxPanel =
      LinuxProcess::Find(folder.filename().wstring() + L"\\NOLBPanel.exe");
  std::optional<ProcessInterval> linuxInterval;
  if (linuxPanel) linuxInterval.emplace(*linuxPanel);
  DWORD tickThread = 0;
  for (const auto& entry : CallsOf(library, panel.process->Id())) {
    if (panel.IsTickCall(entry)) tickThread = entry.threadId;
  }
  const double threadCpuStart = ThreadCpuMs(tickThread);
  const double processCpuStart = ProcessCpuMs(panel.process->Handle());
  const double start = NowMs();
  CircleTheCursor(start + seconds * 1000.0);
  const double end = NowMs();
  double threadCpu = ThreadCpuMs(tickThread) - threadCpuStart;
  double processCpu = ProcessCpuMs(panel.process->Handle()) - processCpuStart;
  if (linuxInterval) {
    const ProcessFigures figures = linuxInterval->End();
    processCpu = figures.cpuMs;
    threadCpu = 0;
    for (const LinuxThread& thread : figures.threads) {
      if (thread.tid != linuxPanel->Pid()) threadCpu = std::max(threadCpu, thread.cpuMs);
    }
  }

  std::vector<double> pushes;  // ms
  for (const auto& entry : CallsOf(library, panel.process->Id())) {
    const double at = static_cast<double>(entry.microseconds) / 1000.0;
    if (panel.IsTickCall(entry) && PlacesCursor(entry) && at >= start && at <= end) pushes.push_back(at);
  }
  CloseWindowAndWait(*panel.process, panel.main, "NOLBPanel.exe");
  if (pushes.size() < 2) throw std::runtime_error("fewer than two pushes were journaled");

  std::vector<double> intervals;
  for (size_t i = 1; i < pushes.size(); ++i) intervals.push_back(pushes[i] - pushes[i - 1]);
  Figures f;
  f.seconds = (end - start) / 1000.0;
  f.pushes = pushes.size();
  f.perSecond = static_cast<double>(pushes.size()) / f.seconds;
  f.p50 = Percentile(intervals, 0.50);
  f.p99 = Percentile(intervals, 0.99);
  f.max = Percentile(intervals, 1.0);
  if (threadCpuStart >= 0 && threadCpu >= 0) f.tickCpuMs = threadCpu / static_cast<double>(pushes.size());
  f.panelCpuMsPerTick = processCpu / static_cast<double>(pushes.size());
  return f;
}

int RunAll(int seconds) {
  const fs::path bin = BinFolder();
  RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  RunFolder folder(L"nolb-follow-bench-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  const std::string loadAtStart = LoadAverage();
  std::printf("mouse following, %d s a run; the goal: at least 99 %% of the ideal pushes a second, and a\n"
              "p99 interval of at most 20 ms at 16 ms (40 ms at 33 ms), also beside %d busy processes\n\n",
              seconds, kBusyProcesses);
  std::printf("                                                               interval (ms)       CPU per tick (ms)\n");
  std::printf("period  beside            pushes  per second  of ideal            p50    p99    max   tick's thread  panel\n");
  const Run runs[] = {{33, false}, {16, false}, {33, true}, {16, true}};
  for (const Run& run : runs) {
    const Figures f = Measure(library, folder.Path(), run, seconds);
    const double ideal = 1000.0 / run.periodMs;
    char tickCpu[32] = "(not readable)";
    if (f.tickCpuMs >= 0) std::snprintf(tickCpu, sizeof tickCpu, "%.3f", f.tickCpuMs);
    std::printf("%3u ms  %-16s  %6zu  %10.2f  %5.2f (%5.1f %%)  %6.1f %6.1f %6.1f   %-13s  %5.3f\n",
                run.periodMs, run.busy ? "2 busy processes" : "nothing", f.pushes, f.perSecond, ideal,
                100.0 * f.perSecond / ideal, f.p50, f.p99, f.max, tickCpu, f.panelCpuMsPerTick);
    std::fflush(stdout);
  }
  if (!loadAtStart.empty()) {
    std::printf("\nload average: %s at the start, %s at the end\n", loadAtStart.c_str(), LoadAverage().c_str());
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wcscmp(argv[1], L"--busy") == 0) {
    volatile unsigned spin = 0;
    for (;;) spin = spin + 1u;
  }
  return bench::RunWithCount(argc, argv, "follow_bench", L"--seconds", kDefaultSeconds, kMaxSeconds, RunAll);
}
