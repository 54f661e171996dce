// Driving the panel from outside: a second start with a command line hands
// it to the running panel, which carries it out as the user would in the
// main window and answers with the exit code; what went wrong is written to
// the starting process's output. Without a panel the process becomes one.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"

namespace {

using Clock = std::chrono::steady_clock;

// What this process's console shows in its first rows.
std::wstring ConsoleRows() {
  HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  std::wstring screen(360, L' ');
  DWORD read = 0;
  ReadConsoleOutputCharacterW(console, screen.data(), static_cast<DWORD>(screen.size()), COORD{0, 0}, &read);
  CloseHandle(console);
  return screen.substr(0, read);
}

// Runs the program with the arguments, its output into a file of the folder,
// and checks its code and what it wrote; returns how long it took.
double RunCommand(const std::filesystem::path& exe, const std::filesystem::path& folder,
                  const std::vector<std::wstring>& args, DWORD code, const std::string& says) {
  const std::string shown = e2e::Utf8(e2e::CommandLine(e2e::kPanelExe, args));
  const std::filesystem::path file = folder / L"command-output.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  const Clock::time_point start = Clock::now();
  e2e::Process copy = e2e::Process::Start(exe, args, {}, output);
  CloseHandle(output);
  EXPECT_EQ(copy.WaitForExit(std::chrono::seconds(15)), std::optional<DWORD>(code)) << shown;
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("  %-50s code %lu in %.2f s\n", shown.c_str(), copy.ExitCode(), seconds);
  const std::string written = e2e::ReadFile(file);
  const std::string ending = code ? " (終了コード " + std::to_string(code) + ")" : "";
  const size_t at = written.find(says);
  EXPECT_TRUE(at != std::string::npos && written.find(ending, at) != std::string::npos) << shown << written;
  return seconds;
}

TEST(CommandLine, TheRunningPanelCarriesOutWhatItCanAndChangesNothingOtherwise) {
  const e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  // No panel runs: this one starts with a command, which it carries out once started.
  const e2e::Panel panel = e2e::Panel::Start({.listPos = "0, 0\r\n100, 50\r\n",
                                              .listSize = "320, 240\r\n640, 480\r\n",
                                              .arguments = {L"/rect", L"7,8,320,240"}});
  // A second process ends within 2 seconds, answer included.
  auto Expect = [&](const std::vector<std::wstring>& args, DWORD code, const std::string& says = {}) {
    EXPECT_LT(RunCommand(panel.ExePath(), panel.Folder(), args, code, says), 2.0);
  };
  // What a command that fails must leave as it was: the edits, then the caption box.
  auto Now = [&] {
    std::vector<std::wstring> shown = e2e::RectangleEdits(panel);
    shown.push_back(panel.Control("EditWindowCaption").Text());
    return shown;
  };
  const e2e::Notepad notepad = e2e::Notepad::Start();
  const int32_t desktop = e2e::DesktopArg();
  const int32_t targetArg = e2e::HandleArg(target.Main());
  const SIZE client = e2e::ClientSize(target.Main());
  const int32_t notepadArg = e2e::HandleArg(notepad.Main());
  const SIZE notepadClient = e2e::ClientSize(notepad.Main());
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Library().State().x == 7 && e2e::RectangleEdits(panel)[1] == L"8"; },
                              "the starting panel carries out its command"));
  // Following the mouse locks the rectangle and "無効化" until it is released.
  Expect({L"/follow", L"mouse"}, 0);
  EXPECT_TRUE(panel.Control("CheckBoxAutoMouse").Checked() && !panel.Control("ButtonDesktop").Enabled());
  Expect({L"/rect", L"1,1,1,1"}, 4, "/follow off");
  Expect({L"/disable"}, 4, "/follow off");
  EXPECT_TRUE(panel.Control("CheckBoxAutoMouse").Checked());
  Expect({L"/follow", L"off"}, 0);
  EXPECT_TRUE(!panel.Control("CheckBoxAutoMouse").Checked() && panel.Control("ButtonDesktop").Enabled());

  struct Step {
    std::vector<std::wstring> args;
    DWORD code = 0;
    std::string says{};
    // The calls the command makes: a push, or none.
    std::vector<std::string> calls{};
    std::function<void()> check{};
  };
  const Step steps[] = {
      // Without a target window: desktop coordinates.
      {{L"/rect", L"10,20,300,200"}, 0, {}, e2e::PushOf(desktop, 10, 20, 300, 200)},
      // The title in any case; its whole client area, as after a drop.
      {{L"/window", L"nolb E2E TARGET"}, 0, {}, e2e::PushOf(targetArg, 0, 0, client.cx, client.cy),
       [&] { EXPECT_EQ(panel.Control("EditWindowCaption").Text(), e2e::TargetCaption(target.Main())); }},
      // With a target window: its client coordinates.
      {{L"/rect", L"5,6,100,80"}, 0, {}, e2e::PushOf(targetArg, 5, 6, 100, 80)},
      {{L"-POS", L"2", L"/Size", L"2"}, 0, {}, e2e::PushOf(targetArg, 100, 50, 640, 480),
       [&] {
         EXPECT_EQ(panel.Control("ComboBoxPos").Selection(), 1);
         EXPECT_EQ(panel.Control("ComboBoxSize").Selection(), 1);
       }},
      {{L"/exe", L"NOTEPAD.EXE"}, 0, {}, e2e::PushOf(notepadArg, 0, 0, notepadClient.cx, notepadClient.cy)},
      {{L"/exe", L"e2e_target.exe", L"/window", L"e2e target"}, 0, {},
       e2e::PushOf(targetArg, 0, 0, client.cx, client.cy)},
      // The remembered desktop rectangle comes back.
      {{L"/desktop"}, 0, {}, e2e::PushOf(desktop, 10, 20, 300, 200)},
      {{L"/disable"}, 0, {}, {"NOLB_Enabled(0)"}},
      // Faults: a code and a message each, and nothing changes.
      {{L"/bogus"}, 2, "「/bogus」"},
      {{L"/size", L"3"}, 3, "サイズのプリセットに 3 番目"},
      {{L"/window", L"no window has this title", L"/rect", L"0,0,1,1"}, 3, "「no window has this title」"},
      {{L"/exe", L"e2e_target.exe", L"/window", L"Notepad"}, 3, "e2e_target.exe"},
      {{L"/?"}, 0, "/follow centre", {}, [&] { EXPECT_EQ(panel.Library().State().enabled, 0); }},
      // Only /apply: what the panel holds, and the redirection on again.
      {{L"/apply"}, 0, {}, e2e::PushOf(desktop, 10, 20, 300, 200)},
  };
  for (const Step& step : steps) {
    const std::vector<std::wstring> before = Now();
    const uint32_t mark = e2e::JournalMark();
    Expect(step.args, step.code, step.says);
    // The answer comes once the push is made (the command is the last one printed).
    EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), step.calls));
    EXPECT_TRUE(step.code == 0 || Now() == before);
    if (step.check) step.check();
  }

  // Busy: the selection is up.
  const std::vector<e2e::Window> selection = e2e::StartSelection(panel, "ButtonSetRange");
  Expect({L"/rect", L"1,2,3,4"}, 4, "範囲指定");
  e2e::BringToFront(selection.front());
  e2e::input::Press(VK_ESCAPE);
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::SelectionClosed(panel); }, "the selection closes"));

  // A message box is up: "適用" with a text that is no number.
  const uint32_t mark = e2e::JournalMark();
  panel.Control("EditX").SetText(L"abc");
  panel.Control("ButtonApply").Click();
  const e2e::MessageDialog box = panel.WaitForMessageBox();
  Expect({L"/desktop"}, 4, "メッセージ");
  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  // Once it is closed, a command that fills the edit goes through.
  Expect({L"/pos", L"1"}, 0);
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), e2e::PushOf(desktop, 0, 0, 300, 200)));

  // From a command prompt: no handles given, the message in the prompt's
  // console (one of this test's own).
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  if (HWND window = GetConsoleWindow()) ShowWindow(window, SW_HIDE);
  EXPECT_EQ(e2e::Process::Start(panel.ExePath(), {L"/size", L"9"}).WaitForExit(), std::optional<DWORD>(3));
  const std::wstring screen = ConsoleRows();
  FreeConsole();
  EXPECT_NE(screen.find(L"NOLB: サイズのプリセットに 9 番目の項目はありません。 (終了コード 3)"), std::wstring::npos)
      << e2e::Utf8(screen);
}

// The single-instance mutex is held, but no panel takes commands: one that
// never comes (it cannot start, say) is waited for a bounded time, and one
// whose command window comes but takes no messages gives no answer.
TEST(CommandLineStart, APanelThatNeverComesOrNeverAnswersEndsWithCode5) {
  const HANDLE mutex = CreateMutexW(nullptr, TRUE, L"NOLB_Boot");
  ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "a panel runs";
  const e2e::TempFolder folder;
  const std::filesystem::path exe = e2e::BinDir() / e2e::kPanelExe;
  const double seconds = RunCommand(exe, folder.Path(), {L"/apply"}, 5, "見つかりませんでした");
  EXPECT_TRUE(seconds >= 5.0 && seconds < 8.0) << seconds;

  // A command window that comes while the command waits for it (a second
  // into its five), in a thread that takes no messages: found, no answer.
  const HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread silent([stop] {
    WaitForSingleObject(stop, 1000);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"NOLB_Command";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"NOLB_Command", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    WaitForSingleObject(stop, INFINITE);
    DestroyWindow(window);
  });
  EXPECT_LT(RunCommand(exe, folder.Path(), {L"/apply"}, 5, "応答しませんでした"), 4.0);
  SetEvent(stop);
  silent.join();
  CloseHandle(stop);
  CloseHandle(mutex);
}

}  // namespace
