// command_bench.exe [--runs N]: what one command costs with the console
// companion, from its start to its exit, beside a console program that does
// nothing (idle_console.exe) and the same asking for a window
// (idle_console.exe --window: what talking to any window costs at start,
// which under Wine loads its display driver). The companion runs "/apply"
// against a running panel (started with the end-to-end harness), which
// pushes its settings into the library before it answers; the three are
// started N times (default 50), in turn, after one uncounted start of each,
// their output going nowhere. Prints median, minimum and maximum of each and
// the companion's median against each yardstick's. The panel must not be
// running already.
#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "bench/bench_support_win.h"
#include "harness/e2e.h"

namespace {

// From CreateProcess to the end of the process, in ms.
double OneRun(const std::filesystem::path& exe, const std::vector<std::wstring>& args) {
  const double start = bench::NowMs();
  const e2e::Process process = e2e::Process::Start(exe, args, {}, e2e::kNoStandardHandles);
  const std::optional<DWORD> code = process.WaitForExit(std::chrono::seconds(10));
  const double ms = bench::NowMs() - start;
  if (code != std::optional<DWORD>(0)) throw std::runtime_error(e2e::Utf8(exe.filename().wstring()) + " failed");
  return ms;
}

int Run(int runs) {
  bench::RequireNoPanelRunning();
  const e2e::Panel panel = e2e::Panel::Start();
  const std::filesystem::path idle = bench::BinFolder() / L"idle_console.exe";
  const struct {
    const char* name;
    std::filesystem::path exe;
    std::vector<std::wstring> args;
  } programs[] = {{"idle_console.exe", idle, {}},
                  {"idle_console.exe --window", idle, {L"--window"}},
                  {"NOLBPanel.com /apply (to a panel)", panel.CompanionPath(), {L"/apply"}}};
  std::vector<double> ms[3];
  for (int i = -1; i < runs; ++i) {
    for (int p = 0; p < 3; ++p) {
      const double one = OneRun(programs[p].exe, programs[p].args);
      if (i >= 0) ms[p].push_back(one);
    }
  }
  std::printf("%d runs each, from CreateProcess to the end of the process\n", runs);
  bench::Summary summaries[3];
  for (int p = 0; p < 3; ++p) {
    summaries[p] = bench::Summarise(ms[p]);
    std::printf("  %-36s median %6.1f ms  min %6.1f  max %6.1f\n", programs[p].name, summaries[p].median,
                summaries[p].min, summaries[p].max);
  }
  std::printf("  the companion's median: %.2f times the idle program's, %.2f times the one asking for a window\n",
              summaries[2].median / summaries[0].median, summaries[2].median / summaries[1].median);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return bench::RunWithCount(argc, argv, "command_bench", L"--runs", 50, 1000, Run); }
