#include "bench/startup_runs_win.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "bench/window_layout_win.h"

namespace bench {
namespace {

constexpr int kJournalRead = 256;
constexpr wchar_t kMainWindowClass[] = L"TMainForm";

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

class Runner {
 public:
  Runner(const nolb::standin::StandinLibrary& library)
      : library_(library),
        bin_(BinFolder()),
        folder_(L"nolb-startup-bench-", bin_, {L"NOLBPanel.exe", L"NOLB.DLL"}),
        eventName_(L"NolbPlainWindow.ControlsMade." + std::to_wstring(GetCurrentProcessId())),
        controlsMade_(CreateEventW(nullptr, TRUE, FALSE, eventName_.c_str())) {
    if (!controlsMade_) throw std::runtime_error("cannot make the yardstick's event");
  }

  // The panel's times; the first start also saves its main window's layout.
  std::pair<double, double> Panel(bool saveLayout) {
    library_.NOLBTest_ClearJournal();
    const double start = NowMs();
    Child child(folder_.Path() / L"NOLBPanel.exe", folder_.Path());
    HWND window = nullptr;
    auto times = TimesUntil({[&] { return FirstPushSeen(library_, child.Id()); },
                             [&] { return (window = VisibleWindow(child.Id(), kMainWindowClass)) != nullptr; }});
    if (!times) throw std::runtime_error("NOLBPanel.exe made no first push or showed no main window");
    if (saveLayout) {
      const WindowLayout layout = ReadWindowLayout(window);
      SaveWindowLayout(layout, LayoutPath().wstring());
      controls_ = layout.controls.size();
    }
    CloseWindowAndWait(child, window, "NOLBPanel.exe");
    return {(*times)[0] - start, (*times)[1] - start};
  }

  std::pair<double, double> Plain() {
    ResetEvent(controlsMade_.Get());
    const double start = NowMs();
    Child child(bin_ / L"plain_main_window.exe", bin_, L"\"" + LayoutPath().wstring() + L"\" " + eventName_);
    HWND window = nullptr;
    auto times = TimesUntil({[&] { return WaitForSingleObject(controlsMade_.Get(), 0) == WAIT_OBJECT_0; },
                             [&] { return (window = VisibleWindow(child.Id(), kMainWindowClass)) != nullptr; }});
    if (!times) throw std::runtime_error("plain_main_window.exe made no controls or showed no window");
    CloseWindowAndWait(child, window, "plain_main_window.exe");
    return {(*times)[0] - start, (*times)[1] - start};
  }

  size_t Controls() const { return controls_; }

 private:
  fs::path LayoutPath() const { return folder_.Path() / L"main_window_layout.txt"; }

  const nolb::standin::StandinLibrary& library_;
  fs::path bin_;
  RunFolder folder_;
  std::wstring eventName_;
  ui::KernelHandle controlsMade_;
  size_t controls_ = 0;
};

void PrintRow(const char* name, const std::vector<double>& values) {
  Summary s = Summarise(values);
  std::printf("%-36s %9.1f %9.1f %9.1f\n", name, s.median, s.min, s.max);
}

}  // namespace

StartupTimes MeasureStartups(const nolb::standin::StandinLibrary& library, int runs) {
  RequireNoPanelRunning();
  Runner runner(library);
  // One start of each first, not counted: the first start fills the caches.
  runner.Panel(true);
  runner.Plain();
  StartupTimes times;
  times.plainControls = runner.Controls();
  for (int i = 0; i < runs; ++i) {
    auto [made, plainShown] = runner.Plain();
    times.plainControlsMade.push_back(made);
    times.plainShown.push_back(plainShown);
    auto [push, panelShown] = runner.Panel(false);
    times.panelFirstPush.push_back(push);
    times.panelShown.push_back(panelShown);
  }
  return times;
}

void PrintStartups(const StartupTimes& times) {
  std::printf("time from CreateProcess, %u starts of each, alternately (ms)\n",
              static_cast<unsigned>(times.panelShown.size()));
  std::printf("%-36s %9s %9s %9s\n", "", "median", "min", "max");
  PrintRow("plain main window: controls made", times.plainControlsMade);
  PrintRow("plain main window: window shown", times.plainShown);
  PrintRow("panel: first push (Enabled(1))", times.panelFirstPush);
  PrintRow("panel: main window shown", times.panelShown);
  const double made = Summarise(times.plainControlsMade).median;
  const double shown = Summarise(times.plainShown).median;
  std::printf("first push / plain controls made     %9.2f  (medians; goal <= 1.10)\n",
              Summarise(times.panelFirstPush).median / made);
  std::printf("window shown / plain window shown    %9.2f  (medians; goal <= 1.10)\n",
              Summarise(times.panelShown).median / shown);
  // Each panel start beside the plain start just before it: the load moves
  // both alike.
  std::vector<double> pushRatios, shownRatios;
  for (size_t i = 0; i < times.panelShown.size(); ++i) {
    pushRatios.push_back(times.panelFirstPush[i] / times.plainControlsMade[i]);
    shownRatios.push_back(times.panelShown[i] / times.plainShown[i]);
  }
  std::printf("the same, median of each start's ratio  %6.2f  and %.2f\n", Summarise(pushRatios).median,
              Summarise(shownRatios).median);
  std::printf("(the plain main window made %u controls from the panel's own layout)\n",
              static_cast<unsigned>(times.plainControls));
}

}  // namespace bench
