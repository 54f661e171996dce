// preview_bench.exe [--seconds N]: how many frames the panel's preview draws
// per second at its fastest rate ("30fps", a 33 ms period) with a 640 × 480
// picture of a 640 × 480 rectangle of the desktop, against the ideal
// 1000 / 33 frames per second, and the panel's CPU time per frame, also
// net of what the panel spends with the preview closed.
//
// The panel runs from a temporary folder of its own (with a copy of
// NOLB.DLL and a settings file for the preview). Its CPU time is taken for
// N seconds (default 10) with the preview closed; then the preview is shown
// with the main window's "プレビュー" button, and after one second of
// warming up the frames are counted in the stand-in's journal for N
// seconds. The panel must not be running already.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <optional>
#include <string>
#include <stdexcept>
#include <vector>

#include "bench/bench_support_win.h"
#include "bench/linux_process_win.h"
#include "standin/standin_library_win.h"

namespace {

constexpr double kPeriodMs = 33;
constexpr int kJournalSize = 16384;

// The panel's CPU time: under Wine from its Linux process, where Wine does
// not keep another process's times.
double CpuMs(HANDLE process, const std::optional<bench::LinuxProcess>& inLinux) {
  if (inLinux) return inLinux->CpuMs();
  if (bench::UnderWine()) throw std::runtime_error("the panel's process is not found in /proc");
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

// The panel's NOLB_BitBlt calls after a journal sequence number, and the
// newest sequence number.
struct FrameCount {
  int frames = 0;
  uint32_t last = 0;
};

FrameCount FramesAfter(const nolb::standin::StandinLibrary& library, DWORD processId, uint32_t after) {
  static std::vector<NolbJournalEntry> entries(kJournalSize);
  const int count = library.NOLBTest_ReadJournal(entries.data(), kJournalSize);
  FrameCount result{0, after};
  for (int i = 0; i < count; ++i) {
    const NolbJournalEntry& e = entries[i];
    if (e.sequence > result.last) result.last = e.sequence;
    if (e.sequence > after && e.processId == processId && std::strcmp(e.function, "NOLB_BitBlt") == 0) {
      ++result.frames;
    }
  }
  return result;
}

int Run(int seconds) {
  const bench::fs::path bin = bench::BinFolder();
  bench::RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  bench::RunFolder folder(L"nolb-preview-bench-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  std::ofstream(folder.Path() / L"NOLBPanel.ini", std::ios::binary) << bench::PreviewBenchSettings();

  bench::Child panel(folder.Path() / L"NOLBPanel.exe", folder.Path());
  HWND main = bench::WaitForWindow(panel.Id(), L"TMainForm");
  HWND button = bench::WaitForControl(main, L"ButtonPreview");
  const auto linuxPanel = bench::LinuxProcess::Find(folder.Path().filename().wstring());
  // The panel's own cost with the preview closed, as a baseline.
  Sleep(1000);
  const double idleStartMs = bench::NowMs();
  const double idleStartCpu = CpuMs(panel.Handle(), linuxPanel);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const double idleCpuShare = (CpuMs(panel.Handle(), linuxPanel) - idleStartCpu) / (bench::NowMs() - idleStartMs);

  PostMessageW(button, BM_CLICK, 0, 0);
  bench::WaitForWindow(panel.Id(), L"TFormPreview");
  Sleep(1000);  // warming up: the surface is built at the first frame

  const uint32_t mark = FramesAfter(library, panel.Id(), 0).last;
  const double startMs = bench::NowMs();
  const double startCpu = CpuMs(panel.Handle(), linuxPanel);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const int frames = FramesAfter(library, panel.Id(), mark).frames;
  const double wallMs = bench::NowMs() - startMs;
  const double cpuMs = CpuMs(panel.Handle(), linuxPanel) - startCpu;

  PostMessageW(main, WM_CLOSE, 0, 0);
  if (!panel.WaitForExit()) throw std::runtime_error("NOLBPanel.exe did not end when closed");

  const double ideal = 1000.0 / kPeriodMs;
  const double rate = frames * 1000.0 / wallMs;
  std::printf("preview at 30fps (33 ms), 640 x 480 picture, %d s\n", seconds);
  std::printf("frames drawn                 %8d\n", frames);
  std::printf("frames per second            %8.2f\n", rate);
  std::printf("ideal frames per second      %8.2f\n", ideal);
  std::printf("share of the ideal           %7.1f %%\n", 100.0 * rate / ideal);
  std::printf("panel CPU per frame (ms)     %8.2f\n", frames ? cpuMs / frames : 0.0);
  std::printf("  beyond the closed preview  %8.2f\n", frames ? (cpuMs - idleCpuShare * wallMs) / frames : 0.0);
  std::printf("panel CPU, share of one core %7.1f %%  (preview closed: %.1f %%)\n", 100.0 * cpuMs / wallMs,
              100.0 * idleCpuShare);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int seconds = 10;
  if (argc == 3 && std::wcscmp(argv[1], L"--seconds") == 0) seconds = _wtoi(argv[2]);
  if (argc != 1 && argc != 3) seconds = 0;
  if (seconds < 1 || seconds > 600) {
    std::fputws(L"usage: preview_bench.exe [--seconds N]   (N from 1 to 600, default 10)\n", stderr);
    return 2;
  }
  timeBeginPeriod(1);
  int code = 1;
  try {
    code = Run(seconds);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "preview_bench: %s\n", error.what());
  }
  timeEndPeriod(1);
  return code;
}
