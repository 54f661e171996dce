// memory_soak.exe [--minutes N]: an evening of the panel in N minutes
// (default 30). The panel runs from a temporary folder with its preview
// shown at "30fps" (a 640 × 480 picture of a 640 × 480 rectangle, which the
// stand-in library draws from the screen, cursor included), mouse following
// on with the rectangle centred on the cursor, and the range markers shown;
// the cursor circles all the time, so the rectangle, the picture and the
// markers move at every tick. Every minute it prints the panel's memory
// (anonymous and resident, from its Linux process under Wine; private bytes
// elsewhere), its GDI and USER objects (gui_objects_win.h says what can be
// read under Wine and how), and the frames and pushes per second since the
// last sample; at the end the growth after the first minutes.
//
// The panel must not be running already; do not run beside the end-to-end
// tests or the other benchmarks (the stand-in's journal is shared).
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support_win.h"
#include "bench/following_panel_win.h"
#include "bench/gui_objects_win.h"
#include "bench/linux_process_win.h"

namespace {

using namespace bench;

constexpr int kDefaultMinutes = 30;
// Growth is taken from this minute on: the first minutes fill caches.
constexpr int kSettledMinute = 5;
constexpr double kMinuteMs = 60000;
constexpr double kJournalReadMs = 5000;

struct Sample {
  int minute = 0;
  double anonymousKib = 0;  // private bytes outside Wine
  double residentKib = 0;
  GuiObjects objects;
  double framesPerSecond = 0;
  double pushesPerSecond = 0;
  std::string load;
};

void ReadMemory(const std::optional<LinuxProcess>& linuxPanel, HANDLE process, Sample& sample) {
  if (linuxPanel) {
    sample.anonymousKib = static_cast<double>(linuxPanel->AnonymousKib());
    sample.residentKib = static_cast<double>(linuxPanel->ResidentKib());
    return;
  }
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
    sample.anonymousKib = static_cast<double>(counters.PrivateUsage) / 1024.0;
    sample.residentKib = static_cast<double>(counters.WorkingSetSize) / 1024.0;
  }
}

// Counts the panel's frames and the tick's pushes in the journal, reading
// it often enough that the ring never laps between two reads.
class JournalCounter {
 public:
  JournalCounter(const nolb::standin::StandinLibrary& library, const FollowingPanel& panel)
      : library_(library), panel_(panel) {}

  void Read() {
    for (const auto& entry : CallsOf(library_, panel_.process->Id())) {
      if (entry.sequence <= last_) continue;
      last_ = entry.sequence;
      frames_ += Named(entry, "NOLB_BitBlt");
      pushes_ += panel_.IsTickCall(entry) && PlacesCursor(entry);
    }
  }
  // Frames and pushes since the last call.
  std::pair<int, int> Take() { return {std::exchange(frames_, 0), std::exchange(pushes_, 0)}; }

 private:
  const nolb::standin::StandinLibrary& library_;
  const FollowingPanel& panel_;
  std::uint32_t last_ = 0;
  int frames_ = 0;
  int pushes_ = 0;
};

void PrintSample(const Sample& s) {
  std::printf("%6d %12.0f %12.0f %6s %8d %9.2f %9.2f   %s\n", s.minute, s.anonymousKib, s.residentKib,
              s.objects.gdi ? std::to_string(*s.objects.gdi).c_str() : "-", s.objects.user, s.framesPerSecond,
              s.pushesPerSecond, s.load.c_str());
  std::fflush(stdout);
}

int Run(int minutes) {
  const fs::path bin = BinFolder();
  RequireNoPanelRunning();
  nolb::standin::StandinLibrary library;
  RunFolder folder(L"nolb-memory-soak-", bin, {L"NOLBPanel.exe", L"NOLB.DLL"});
  std::ofstream(folder.Path() / L"NOLBPanel.ini", std::ios::binary)
      << PreviewBenchSettings("ShowRange=1\r\nCentreCursor=1\r\n");
  library.NOLBTest_ClearJournal();

  FollowingPanel panel = StartFollowingMouse(library, folder.Path() / L"NOLBPanel.exe", folder.Path());
  const DWORD id = panel.process->Id();
  WaitForWindow(id, L"TFormBit");
  PostMessageW(WaitForControl(panel.main, L"ButtonPreview"), BM_CLICK, 0, 0);
  WaitForWindow(id, L"TFormPreview");
  const auto linuxPanel = LinuxProcess::Find(folder.Path().filename().wstring() + L"\\NOLBPanel.exe");
  if (UnderWine() && !linuxPanel) throw std::runtime_error("the panel's Linux process is not found");

  std::printf("%d minutes: preview at 30fps (640 x 480), mouse following (centred), markers shown\n", minutes);
  std::printf("%6s %12s %12s %6s %8s %9s %9s   %s\n", "minute", "anon KiB", "resident KiB", "GDI",
              UnderWine() ? "windows" : "USER", "frames/s", "pushes/s", "load average");
  JournalCounter journal(library, panel);
  std::vector<Sample> samples;
  const double start = NowMs();
  double previous = start;
  for (int minute = 0; minute <= minutes; ++minute) {
    const double due = start + minute * kMinuteMs;
    while (NowMs() < due) {
      CircleTheCursor(std::min(due, NowMs() + kJournalReadMs));
      journal.Read();
      if (!panel.process->Running()) throw std::runtime_error("the panel ended during the soak");
    }
    journal.Read();
    const double now = NowMs();
    const double seconds = std::max(0.001, (now - previous) / 1000.0);
    previous = now;
    Sample sample;
    sample.minute = minute;
    ReadMemory(linuxPanel, panel.process->Handle(), sample);
    sample.objects = CountGuiObjects(id, panel.guiThread);
    auto [frames, pushes] = journal.Take();
    sample.framesPerSecond = minute == 0 ? 0 : frames / seconds;
    sample.pushesPerSecond = minute == 0 ? 0 : pushes / seconds;
    sample.load = LoadAverage();
    PrintSample(sample);
    samples.push_back(sample);
  }
  CloseWindowAndWait(*panel.process, panel.main, "NOLBPanel.exe");

  const int from = std::min(kSettledMinute, minutes);
  const Sample& settled = samples[static_cast<size_t>(from)];
  const Sample& last = samples.back();
  int gdiMin = INT32_MAX, gdiMax = 0, userMin = INT32_MAX, userMax = 0;
  for (size_t i = 1; i < samples.size(); ++i) {
    if (samples[i].objects.gdi) {
      gdiMin = std::min(gdiMin, *samples[i].objects.gdi);
      gdiMax = std::max(gdiMax, *samples[i].objects.gdi);
    }
    userMin = std::min(userMin, samples[i].objects.user);
    userMax = std::max(userMax, samples[i].objects.user);
  }
  std::printf("growth from minute %d to minute %d: anonymous %+.0f KiB, resident %+.0f KiB\n", from, last.minute,
              last.anonymousKib - settled.anonymousKib, last.residentKib - settled.residentKib);
  if (gdiMax > 0) std::printf("GDI objects from minute 1 on: %d to %d\n", gdiMin, gdiMax);
  std::printf("%s from minute 1 on: %d to %d\n", UnderWine() ? "windows" : "USER objects", userMin, userMax);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return RunWithCount(argc, argv, "memory_soak", L"--minutes", kDefaultMinutes, 24 * 60, [](int minutes) {
    timeBeginPeriod(1);
    struct EndPeriod {
      ~EndPeriod() { timeEndPeriod(1); }
    } endPeriod;
    return Run(minutes);
  });
}
