// startup_bench.exe [--runs N]: how long the panel takes from CreateProcess
// to its first push reaching the capture hook library (its first
// NOLB_Enabled(1) in the stand-in's journal) and to its main window being
// visible, beside the time a bare Win32 window program (bare_window.exe)
// takes from CreateProcess to its window being visible, measured in the
// same run, alternately. Prints median, minimum and maximum in milliseconds.
//
// The panel runs from a temporary folder of its own (with a copy of
// NOLB.DLL), so each run starts without a settings file; it is closed
// normally after each run. The programs must not be running already.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support_win.h"
#include "standin/standin_library_win.h"

namespace {

using namespace bench;

constexpr int kDefaultRuns = 10;
constexpr int kJournalRead = 256;

// Polls each condition every millisecond until all hold; returns the time
// at which each first held, or nothing after the timeout.
std::optional<std::vector<double>> TimesUntil(const std::vector<std::function<bool()>>& conditions) {
  std::vector<double> times(conditions.size(), -1.0);
  const double deadline = NowMs() + kRunTimeoutMs;
  for (;;) {
    bool all = true;
    for (size_t i = 0; i < conditions.size(); ++i) {
      if (times[i] < 0 && conditions[i]()) times[i] = NowMs();
      all = all && times[i] >= 0;
    }
    if (all) return times;
    if (NowMs() > deadline) return std::nullopt;
    Sleep(1);
  }
}

double BareWindowRun(const fs::path& exe, const fs::path& folder) {
  const double start = NowMs();
  Child child(exe, folder);
  HWND window = nullptr;
  auto times = TimesUntil({[&] { return (window = VisibleWindow(child.Id(), L"NolbBareWindow")) != nullptr; }});
  if (!times) throw std::runtime_error("bare_window.exe showed no window");
  CloseWindowAndWait(child, window, "bare_window.exe");
  return (*times)[0] - start;
}

struct PanelTimes {
  double firstPush;
  double windowShown;
};

bool FirstPushSeen(const nolb::standin::StandinLibrary& library, DWORD processId) {
  NolbJournalEntry entries[kJournalRead];
  const int count = library.NOLBTest_ReadJournal(entries, kJournalRead);
  for (int i = 0; i < count; ++i) {
    const NolbJournalEntry& e = entries[i];
    if (e.processId == processId && std::strcmp(e.function, "NOLB_Enabled") == 0 && e.argCount == 1 &&
        e.args[0] == 1) {
      return true;
    }
  }
  return false;
}

PanelTimes PanelRun(const nolb::standin::StandinLibrary& library, const fs::path& exe, const fs::path& folder) {
  library.NOLBTest_ClearJournal();
  const double start = NowMs();
  Child child(exe, folder);
  HWND window = nullptr;
  auto times = TimesUntil({[&] { return FirstPushSeen(library, child.Id()); },
                           [&] { return (window = VisibleWindow(child.Id(), L"TMainForm")) != nullptr; }});
  if (!times) throw std::runtime_error("NOLBPanel.exe made no first push or showed no main window");
  CloseWindowAndWait(child, window, "NOLBPanel.exe");
  return {(*times)[0] - start, (*times)[1] - start};
}

void PrintRow(const char* name, const std::vector<double>& values) {
  Summary s = Summarise(values);
  std::printf("%-34s %9.1f %9.1f %9.1f\n", name, s.median, s.min, s.max);
}

int Run(int runs) {
  const fs::path bin = BinFolder();
  RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  RunFolder folder(L"nolb-startup-bench-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  const fs::path bare = bin / L"bare_window.exe";
  const fs::path panel = folder.Path() / L"NOLBPanel.exe";

  // One run of each first, not counted: the first start fills the caches.
  BareWindowRun(bare, bin);
  PanelRun(library, panel, folder.Path());

  std::vector<double> bareShown, panelPush, panelShown;
  for (int i = 0; i < runs; ++i) {
    bareShown.push_back(BareWindowRun(bare, bin));
    PanelTimes t = PanelRun(library, panel, folder.Path());
    panelPush.push_back(t.firstPush);
    panelShown.push_back(t.windowShown);
  }
  std::printf("time from CreateProcess, %d runs (ms)\n", runs);
  std::printf("%-34s %9s %9s %9s\n", "", "median", "min", "max");
  PrintRow("bare window: window visible", bareShown);
  PrintRow("panel: first push (Enabled(1))", panelPush);
  PrintRow("panel: main window visible", panelShown);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunWithCount(argc, argv, "startup_bench", L"--runs", kDefaultRuns, 1000, [](int runs) {
    timeBeginPeriod(1);
    struct EndPeriod {
      ~EndPeriod() { timeEndPeriod(1); }
    } endPeriod;
    return Run(runs);
  });
}
