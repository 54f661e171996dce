// reacquire_bench.exe [--seconds N]: what "ターゲットの再取得(&R)" costs the
// panel. Its CPU time is taken for N seconds (default 20) in three states,
// with the item checked: at rest with the desktop as target; with the edit
// control of Wine's text editor (notepad.exe) as target, whose identity the
// watch keeps current; and waiting for that editor after it quit. Then the
// editor is started again, and the time from its window being shown to the
// panel's push of its new edit control is printed.
//
// The panel and the editor are started and driven with the end-to-end
// harness (the target is picked with a drag); the panel must not be running
// already, and the benchmark must not run beside the end-to-end tests.
#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "bench/bench_support_win.h"
#include "bench/linux_process_win.h"
#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using namespace std::chrono_literals;

// The panel's CPU time over the seconds, as a share of one core: from its
// Linux process, since Wine keeps no times of another process.
double CpuShare(const e2e::Panel& panel, int seconds) {
  const auto process = bench::LinuxProcess::Find(panel.Folder().filename().wstring());
  if (!process) throw std::runtime_error("the panel's Linux process is not found (run it under Wine)");
  const double startCpu = process->CpuMs();
  const double startMs = bench::NowMs();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return (process->CpuMs() - startCpu) / (bench::NowMs() - startMs);
}

int Run(int seconds) {
  bench::RequireNoPanelRunning();
  e2e::Notepad pad = e2e::Notepad::Start();
  e2e::Panel panel = e2e::Panel::Start({.settings = "[Main]\r\nReacquire=1\r\n"});
  const double rest = CpuShare(panel, seconds);

  const e2e::Window edit = pad.Edit();
  e2e::DragPick(panel, edit.Center(), e2e::TargetCaption(edit));
  const double following = CpuShare(panel, seconds);

  uint32_t mark = e2e::JournalMark();
  pad.Quit();
  e2e::WaitForPush(panel, mark, 3s);
  const double waiting = CpuShare(panel, seconds);

  mark = e2e::JournalMark();
  e2e::Notepad again = e2e::Notepad::Start();
  const double shownMs = bench::NowMs();
  const bool taken = e2e::WaitUntil([&] {
    return !e2e::Named(e2e::CallsSince(panel, mark), "NOLB_Unlock").empty();
  }, 5s);
  const double takenMs = bench::NowMs() - shownMs;
  again.Quit();
  panel.Close();

  std::printf("\"ターゲットの再取得\" checked, %d s each\n", seconds);
  std::printf("  panel CPU, share of one core, at rest (desktop)      %.2f %%\n", 100 * rest);
  std::printf("    the editor's edit control as target               %.2f %%\n", 100 * following);
  std::printf("    waiting for the editor after it quit              %.2f %%\n", 100 * waiting);
  if (taken) {
    std::printf("  restarted editor's window shown to its push        %.0f ms\n", takenMs);
  } else {
    std::printf("  restarted editor's edit control not taken within 5 s\n");
  }
  return taken ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return bench::RunWithCount(argc, argv, "reacquire_bench", L"--seconds", 20, 600, Run);
}
