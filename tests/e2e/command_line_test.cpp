// Driving the panel from outside: a command process (NOLBPanel.com, or
// NOLBPanel.exe with switches) hands its command line to the running panel
// (started when none runs), which carries it out as the user would and
// answers with the exit code; what went wrong is written to the starting
// process's output, or told in a balloon where there is none.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "command/command_reply_win.h"
#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"
#include "preview_windows.h"

namespace {

using namespace std::chrono_literals;
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

// The text of the balloon or tool tip shown now among the process's windows.
std::wstring ShownBalloon(DWORD process) {
  for (const e2e::Window& window : e2e::TopLevelWindows(process)) {
    if (window.ClassName() == L"tooltips_class32" && window.Visible()) return window.Text();
  }
  return L"";
}

bool Holds(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// Runs the program with the arguments, its standard output and error into
// two files of the folder, and checks its code and what it wrote: messages
// on standard error, answers (the description of the switches) on standard
// output, nothing on the other stream. Returns how long it took.
double RunCommand(const std::filesystem::path& exe, const std::filesystem::path& folder,
                  const std::vector<std::wstring>& args, DWORD code, const std::string& says) {
  const std::string shown = e2e::Utf8(e2e::CommandLine(exe.filename(), args));
  const std::filesystem::path files[] = {folder / L"command-output.txt", folder / L"command-error.txt"};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE handles[2];
  for (int i = 0; i < 2; ++i) {
    handles[i] = CreateFileW(files[i].c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  }
  const Clock::time_point start = Clock::now();
  e2e::Process copy = e2e::Process::Start(exe, args, {}, handles[0], handles[1]);
  for (HANDLE handle : handles) CloseHandle(handle);
  EXPECT_EQ(copy.WaitForExit(15s), std::optional<DWORD>(code)) << shown;
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("  %-50s code %lu in %.2f s\n", shown.c_str(), copy.ExitCode(), seconds);
  const std::string output = e2e::ReadFile(files[0]), error = e2e::ReadFile(files[1]);
  const std::string& written = code ? error : output;
  const std::string ending = code ? " (終了コード " + std::to_string(code) + ")" : "";
  const size_t at = written.find(says);
  EXPECT_TRUE(at != std::string::npos && written.find(ending, at) != std::string::npos) << shown << written;
  EXPECT_EQ(code ? output : error, "") << shown;
  return seconds;
}

TEST(CommandLine, TheRunningPanelCarriesOutWhatItCanAndChangesNothingOtherwise) {
  const e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  // No panel runs: the command prompt runs the companion before
  // NOLBPanel.exe; it starts a panel, hands its command over and ends with
  // its code at once, and the panel goes on.
  const e2e::Panel panel = e2e::Panel::Start({.settings = "[Main]\r\nReacquire=1\r\n",
                                              .listPos = "0, 0\r\n100, 50\r\n",
                                              .listSize = "320, 240\r\n640, 480\r\n",
                                              .startedBy = L"NOLBPanel /pos 2 & echo %errorlevel%"});
  EXPECT_EQ(panel.StartOutput().output, "0\r\n");
  EXPECT_LT(panel.StartOutput().seconds, 5.0);
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Library().State().x == 100 && e2e::RectangleEdits(panel)[1] == L"50"; },
                              "the started panel carries out the command"));
  const std::string prompt =
      e2e::RunInCommandPrompt(L"NOLBPanel /bogus & echo %errorlevel%& NOLBPanel /?", panel.Folder()).output;
  EXPECT_EQ(prompt.find("NOLB: 「/bogus」 というスイッチはありません。 (終了コード 2)\r\n2\r\n使い方: NOLBPanel.com [スイッチ...]"), 0u)
      << prompt;

  // A second process ends within 2 seconds, answer included.
  auto Expect = [&](const std::vector<std::wstring>& args, DWORD code, const std::string& says = {}) {
    EXPECT_LT(RunCommand(panel.CompanionPath(), panel.Folder(), args, code, says), 2.0);
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
  // Following the mouse locks the rectangle and "無効化" until it is released.
  Expect({L"/follow", L"centre"}, 0);
  EXPECT_TRUE(panel.Control("CheckBoxAutoMouse").Checked() && panel.Control("CheckBoxMouseCenter").Checked() &&
              !panel.Control("ButtonDesktop").Enabled());
  Expect({L"/rect", L"1,1,1,1"}, 4, "/follow off");
  Expect({L"/DISABLE"}, 4, "/follow off");
  Expect({L"/follow", L"mouse"}, 0);
  EXPECT_TRUE(panel.Control("CheckBoxAutoMouse").Checked() && !panel.Control("CheckBoxMouseCenter").Checked());
  Expect({L"/follow", L"off"}, 0);
  EXPECT_TRUE(!panel.Control("CheckBoxAutoMouse").Checked() && panel.Control("ButtonDesktop").Enabled());

  // While the panel waits for a lost target's program, /desktop ends the
  // wait: the program that comes back is not taken.
  {
    const e2e::TargetOptions lost{.title = L"NOLB lost target"};
    e2e::TargetWindow gone = e2e::TargetWindow::Start(lost);
    Expect({L"/window", lost.title}, 0);
    const uint32_t mark = e2e::JournalMark();
    gone.Close();
    EXPECT_TRUE(e2e::IsPush(e2e::WaitForPush(panel, mark, 3s), "NOLB_SetMode(*, *, *, *, *, *)", e2e::DesktopTarget()));
    Expect({L"/desktop"}, 0);
    const uint32_t back = e2e::JournalMark();
    const e2e::TargetWindow again = e2e::TargetWindow::Start(lost);
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, back) >= 5; }, "five status ticks"));
    EXPECT_EQ(panel.Control("EditWindowCaption").Text(), L"Desktop");
  }

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
      {{L"/DISABLE"}, 0, {}, {"NOLB_Enabled(0)"}},
      // Faults: a code and a message each, and nothing changes.
      {{L"/bogus"}, 2, "「/bogus」"},
      {{L"/size", L"3"}, 3, "サイズのプリセットに 3 番目"},
      {{L"/window", L"no window has this title", L"/rect", L"0,0,1,1"}, 3, "「no window has this title」"},
      {{L"/exe", L"e2e_target.exe", L"/window", L"Notepad"}, 3, "e2e_target.exe"},
      {{L"/?"}, 0, "/follow centre", {}, [&] { EXPECT_EQ(panel.Library().State().enabled, 0); }},
      // Only /apply: what the panel holds, and the redirection on again.
      {{L"/APPLY"}, 0, {}, e2e::PushOf(desktop, 10, 20, 300, 200)},
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

  // The companion without switches brings the panel forward: from behind
  // another program, hidden while the preview shows.
  const e2e::Window main = panel.MainWindow();
  e2e::BringToFront(notepad.Main());
  Expect({}, 0);
  EXPECT_TRUE(e2e::Eventually([&] { return GetForegroundWindow() == main.Handle(); }, "the panel in front"));
  e2e::TogglePreview(panel, true);
  panel.Control("ButtonHide").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !main.Visible(); }, "the panel hidden"));
  Expect({}, 0);
  EXPECT_TRUE(e2e::Eventually([&] { return main.Visible(); }, "the panel shown"));
  e2e::TogglePreview(panel, false);

  // From a command prompt: no handles given, the message in the prompt's
  // console (one of this test's own), the panel's program writing into it
  // from outside, the companion as its own, also at code page 437.
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  if (HWND window = GetConsoleWindow()) ShowWindow(window, SW_HIDE);
  SetConsoleOutputCP(437);
  EXPECT_EQ(e2e::Process::Start(panel.ExePath(), {L"/size", L"9"}).WaitForExit(), std::optional<DWORD>(3));
  EXPECT_EQ(e2e::Process::Start(panel.CompanionPath(), {L"/pos", L"8"}).WaitForExit(), std::optional<DWORD>(3));
  const std::wstring screen = ConsoleRows();
  FreeConsole();
  EXPECT_TRUE(Holds(screen, L"NOLB: サイズのプリセットに 9 番目の項目はありません。 (終了コード 3)") &&
              Holds(screen, L"NOLB: 位置のプリセットに 8 番目の項目はありません。 (終了コード 3)"))
      << e2e::Utf8(screen);

  // From a program without a console (a shortcut, a button box): the panel
  // tells the failure in the balloon of its icon (the task bar's), and the
  // program in front stays there.
  e2e::BringToFront(notepad.Main());
  EXPECT_EQ(e2e::Process::Start(panel.ExePath(), {L"/size", L"9"}, {}, e2e::kNoStandardHandles).WaitForExit(),
            std::optional<DWORD>(3));
  EXPECT_TRUE(e2e::Becomes([&] { return ShownBalloon(e2e::Window(FindWindowW(L"Shell_TrayWnd", nullptr)).ProcessId()); },
                           std::wstring(L"サイズのプリセットに 9 番目の項目はありません。")));
  EXPECT_EQ(GetForegroundWindow(), notepad.Main().Handle());

  EXPECT_FALSE(panel.FindMessageBox());
}

// A command with no panel running starts one, waits for it and ends with
// its code; the panel goes on. A panel that never comes is waited for a
// bounded time, and one whose command window takes no messages gives no
// answer.
TEST(CommandLineStart, NoCommandProcessBecomesThePanelAndAPanelThatCannotTakeItIsSaidSo) {
  for (const auto& [line, written] : {std::pair{L"NOLBPanel.exe /size 9 & echo %errorlevel%",
                                                "NOLB: サイズのプリセットに 9 番目の項目はありません。 (終了コード 3)\r\n3\r\n"},
                                      std::pair{L"NOLBPanel.exe /pos 2 & echo %errorlevel%", "0\r\n"}}) {
    e2e::Panel panel = e2e::Panel::Start({.listPos = "0, 0\r\n100, 50\r\n", .startedBy = line});
    EXPECT_EQ(panel.StartOutput().output, written);
    EXPECT_LT(panel.StartOutput().seconds, 5.0);
    EXPECT_EQ(e2e::RectangleEdits(panel)[0], written == std::string("0\r\n") ? L"100" : L"0");
    EXPECT_EQ(panel.Close(), 0u);
  }

  const HANDLE mutex = CreateMutexW(nullptr, TRUE, L"NOLB_Boot");
  ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "a panel runs";
  const e2e::TempFolder folder;
  const std::filesystem::path exe = e2e::BinDir() / e2e::kPanelExe;
  const double seconds = RunCommand(exe, folder.Path(), {L"/apply"}, 5, "現れませんでした");
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
  // Without a console no panel tells it: the program shows a balloon of its own.
  FreeConsole();
  const e2e::Process alone = e2e::Process::Start(exe, {L"/apply"}, folder.Path(), e2e::kNoStandardHandles);
  EXPECT_TRUE(e2e::Becomes([&] { return ShownBalloon(alone.Id()); },
                           std::wstring(L"パネルが時間内に応答しませんでした。コマンドは、この後でパネルが行うことがあります。")));
  EXPECT_EQ(alone.WaitForExit(), std::optional<DWORD>(5));
  SetEvent(stop);
  silent.join();
  CloseHandle(stop);
  CloseHandle(mutex);
}

// The error that ended a step goes back to the command process's reply window.
TEST(CommandReply, TheErrorTextReachesTheReplyWindow) {
  const nolb::CommandReplyWindow reply;
  nolb::SendErrorText(reply.Handle(), "原因: 選んだウィンドウが閉じられました");
  EXPECT_EQ(reply.ErrorText(), "原因: 選んだウィンドウが閉じられました");
}

}  // namespace
