// cost_bench.exe [--seconds N]: what the panel costs the machine it shares
// with the encoder, in one run, beside its yardstick plain_main_window.exe
// (the same main window made plainly, holding a DirectDraw object as the
// panel does from its first status tick):
//
//   - start-up: 10 starts of each, alternately (startup_runs_win.h);
//   - at rest (no follow mode, the preview closed, the markers hidden), both
//     programs over the same N seconds (default 20): the share of one core,
//     and the wake-ups per second of each thread; their anonymous memory;
//   - the panel following the mouse (the cursor circling), following a
//     window's size (the desktop window's: each tick asks for the size and
//     pushes it, as for any window), and showing its preview at "30fps" with
//     a 640 × 480 picture: the share of one core over N seconds each;
//   - the panel at rest again, after all of that.
//
// The figures come from the programs' Linux processes (linux_process_win.h),
// so it runs under Wine only. The panel must not be running already; do not
// run beside the end-to-end tests (the stand-in's journal is cleared).
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support_win.h"
#include "bench/following_panel_win.h"
#include "bench/linux_process_win.h"
#include "bench/startup_runs_win.h"
#include "bench/window_layout_win.h"

namespace {

using namespace bench;

constexpr int kStarts = 10;
constexpr int kDefaultSeconds = 20;
constexpr DWORD kSettleMs = 2000;

LinuxProcess Find(const std::wstring& commandLinePart) {
  auto process = LinuxProcess::Find(commandLinePart);
  if (!process) throw std::runtime_error("the program's Linux process is not found (run under Wine)");
  return *process;
}

void Click(HWND main, const wchar_t* name) {
  PostMessageW(WaitForControl(main, name), BM_CLICK, 0, 0);
}

void WaitChecked(HWND main, const wchar_t* name, bool checked) {
  HWND box = WaitForControl(main, name);
  if (!WaitFor([&] { return (SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked; })) {
    throw std::runtime_error(Narrow(name) + " did not change");
  }
}

int Frames(const nolb::standin::StandinLibrary& library, DWORD processId) {
  int frames = 0;
  for (const auto& entry : CallsOf(library, processId)) frames += Named(entry, "NOLB_BitBlt");
  return frames;
}

void PrintShare(const char* what, const ProcessFigures& f) {
  std::printf("  %-40s %7.2f %%   (%.0f ms in %.1f s)\n", what, 100.0 * f.Share(), f.cpuMs, f.seconds);
}

void PrintThreads(const char* program, const LinuxProcess& process, const ProcessFigures& f) {
  std::printf("  %s (pid %d)\n", program, process.Pid());
  std::vector<LinuxThread> threads = f.threads;
  std::sort(threads.begin(), threads.end(), [](const auto& a, const auto& b) { return a.tid < b.tid; });
  for (const auto& t : threads) {
    std::printf("    thread %-7d %-18s %7.2f wake-ups/s %8.1f ms CPU%s\n", t.tid, t.name.c_str(),
                static_cast<double>(t.wakeups) / f.seconds, t.cpuMs,
                t.tid == process.Pid() ? "   (the GUI thread)" : "");
  }
}

int Run(int seconds) {
  if (!UnderWine()) throw std::runtime_error("the figures come from Linux: run under Wine");
  const DWORD intervalMs = static_cast<DWORD>(seconds) * 1000;
  const std::string loadAtStart = LoadAverage();
  nolb::standin::StandinLibrary library;
  const StartupTimes startups = MeasureStartups(library, kStarts);
  const std::string loadAfterStarts = LoadAverage();

  const fs::path bin = BinFolder();
  RunFolder folder(L"nolb-cost-bench-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  std::ofstream(folder.Path() / L"NOLBPanel.ini", std::ios::binary) << PreviewBenchSettings();
  library.NOLBTest_ClearJournal();
  Child panel(folder.Path() / L"NOLBPanel.exe", folder.Path());
  HWND main = WaitForWindow(panel.Id(), L"TMainForm");
  const fs::path layout = folder.Path() / L"plain_layout.txt";
  SaveWindowLayout(ReadWindowLayout(main), layout.wstring());
  Child plain(bin / L"plain_main_window.exe", bin, L"\"" + layout.wstring() + L"\"");
  HWND plainMain = WaitForWindow(plain.Id(), L"TMainForm");
  const LinuxProcess linuxPanel = Find(folder.Path().filename().wstring() + L"\\NOLBPanel.exe");
  const LinuxProcess linuxPlain = Find(folder.Path().filename().wstring() + L"\\plain_layout.txt");

  // At rest, both; their memory once both hold their DirectDraw object.
  Sleep(kSettleMs);
  ProcessInterval panelRest(linuxPanel), plainRest(linuxPlain);
  Sleep(intervalMs);
  const ProcessFigures rest = panelRest.End(), plainAtRest = plainRest.End();
  const auto panelKib = linuxPanel.AnonymousKib(), plainKib = linuxPlain.AnonymousKib();
  const bool panelDirectDraw = linuxPanel.Maps("ddraw.dll"), plainDirectDraw = linuxPlain.Maps("ddraw.dll");
  CloseWindowAndWait(plain, plainMain, "plain_main_window.exe");

  Click(main, L"CheckBoxAutoMouse");
  WaitChecked(main, L"CheckBoxAutoMouse", true);
  ProcessInterval mouseInterval(linuxPanel);
  CircleTheCursor(NowMs() + intervalMs);
  const ProcessFigures mouse = mouseInterval.End();
  Click(main, L"ButtonUncheck");
  WaitChecked(main, L"CheckBoxAutoMouse", false);

  Click(main, L"CheckBoxAutoWindow");
  WaitChecked(main, L"CheckBoxAutoWindow", true);
  ProcessInterval windowInterval(linuxPanel);
  Sleep(intervalMs);
  const ProcessFigures window = windowInterval.End();
  Click(main, L"ButtonUncheck");
  WaitChecked(main, L"CheckBoxAutoWindow", false);

  Click(main, L"ButtonPreview");
  WaitForWindow(panel.Id(), L"TFormPreview");
  Sleep(1000);  // the surface is built at the first frame
  const int framesBefore = Frames(library, panel.Id());
  ProcessInterval previewInterval(linuxPanel);
  Sleep(intervalMs);
  const ProcessFigures preview = previewInterval.End();
  const int frames = Frames(library, panel.Id()) - framesBefore;
  Click(main, L"ButtonPreview");
  if (!WaitFor([&] { return VisibleWindow(panel.Id(), L"TFormPreview") == nullptr; })) {
    throw std::runtime_error("the preview did not close");
  }

  Sleep(kSettleMs);
  ProcessInterval againInterval(linuxPanel);
  Sleep(intervalMs);
  const ProcessFigures again = againInterval.End();
  CloseWindowAndWait(panel, main, "NOLBPanel.exe");

  std::printf("load average: %s at the start, %s after the starts, %s at the end\n\n", loadAtStart.c_str(),
              loadAfterStarts.c_str(), LoadAverage().c_str());
  PrintStartups(startups);
  std::printf("\nshare of one core (all threads), %d s each\n", seconds);
  PrintShare("panel at rest", rest);
  PrintShare("plain main window at rest", plainAtRest);
  PrintShare("panel following the mouse", mouse);
  PrintShare("panel following a window's size", window);
  PrintShare("panel with the preview at 30fps, 640 x 480", preview);
  std::printf("  %-40s %7.2f frames per second\n", "  preview frames drawn", frames / preview.seconds);
  PrintShare("panel at rest again, after the above", again);
  std::printf("\nwake-ups per second at rest (voluntary context switches of each thread)\n");
  PrintThreads("panel", linuxPanel, rest);
  PrintThreads("panel at rest again", linuxPanel, again);
  PrintThreads("plain main window", linuxPlain, plainAtRest);
  std::printf("\nanonymous memory at rest (RssAnon); ddraw.dll loaded: panel %s, plain main window %s\n",
              panelDirectDraw ? "yes" : "no", plainDirectDraw ? "yes" : "no");
  std::printf("  panel %llu KiB, plain main window %llu KiB: %+lld KiB\n", static_cast<unsigned long long>(panelKib),
              static_cast<unsigned long long>(plainKib),
              static_cast<long long>(panelKib) - static_cast<long long>(plainKib));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunWithCount(argc, argv, "cost_bench", L"--seconds", kDefaultSeconds, 600, [](int seconds) {
    timeBeginPeriod(1);
    struct EndPeriod {
      ~EndPeriod() { timeEndPeriod(1); }
    } endPeriod;
    return Run(seconds);
  });
}
