// follow_soak.exe [--cycles N]: start and exit the panel N times (default
// 100) with mouse following on, and count what went wrong: a panel that
// does not end within 10 s of its close (a hang; it is then killed), a
// journal that does not end with NOLB_Enabled(0), NOLB_Uninit, and a call
// of the tick after the exit's own push began. The panel must not be
// running already; do not run beside the end-to-end tests.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <vector>

#include "bench/following_panel_win.h"

namespace {

using namespace bench;

constexpr int kDefaultCycles = 100;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr size_t kTickPushesBeforeExit = 3;

struct CycleResult {
  bool hung = false;
  bool endsWithUninit = false;
  bool tickAfterExit = false;
};

CycleResult Cycle(const nolb::standin::StandinLibrary& library, const fs::path& exe, const fs::path& folder) {
  library.NOLBTest_ClearJournal();
  FollowingPanel panel = StartFollowingMouse(library, exe, folder);
  const DWORD id = panel.process->Id();
  WaitFor([&] {
    size_t pushes = 0;
    for (const auto& entry : CallsOf(library, id)) pushes += panel.IsTickCall(entry) && PlacesCursor(entry);
    return pushes >= kTickPushesBeforeExit;
  });

  CycleResult result;
  PostMessageW(panel.main, WM_CLOSE, 0, 0);
  if (!panel.process->WaitForExit(kExitTimeoutMs)) {
    result.hung = true;
    panel.process->Kill();
  }
  const std::vector<NolbJournalEntry> calls = CallsOf(library, id);
  const size_t n = calls.size();
  result.endsWithUninit =
      n >= 2 && Named(calls[n - 2], "NOLB_Enabled") && calls[n - 2].args[0] == 0 && Named(calls[n - 1], "NOLB_Uninit");
  // The exit's push is the last group the GUI thread opened.
  size_t exitPush = n;
  for (size_t i = 0; i < n; ++i) {
    if (Named(calls[i], "NOLB_Lock") && !panel.IsTickCall(calls[i])) exitPush = i;
  }
  for (size_t i = exitPush; i < n; ++i) result.tickAfterExit = result.tickAfterExit || panel.IsTickCall(calls[i]);
  return result;
}

int Run(int cycles) {
  const fs::path bin = BinFolder();
  RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  RunFolder folder(L"nolb-follow-soak-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  SetCursorPos(640, 512);
  int hangs = 0, complete = 0, late = 0;
  const double start = NowMs();
  for (int i = 0; i < cycles; ++i) {
    CycleResult r = Cycle(library, folder.Path() / L"NOLBPanel.exe", folder.Path());
    hangs += r.hung;
    complete += r.endsWithUninit;
    late += r.tickAfterExit;
  }
  std::printf("%d start/exit cycles with mouse following on (%.0f s)\n", cycles, (NowMs() - start) / 1000.0);
  std::printf("  hangs at exit (no end within %lu s)               %d\n", kExitTimeoutMs / 1000, hangs);
  std::printf("  journals ending NOLB_Enabled(0), NOLB_Uninit      %d/%d\n", complete, cycles);
  std::printf("  exits with a tick call after the exit's push      %d\n", late);
  return hangs == 0 && complete == cycles && late == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return bench::RunWithCount(argc, argv, "follow_soak", L"--cycles", kDefaultCycles, 10000, Run);
}
