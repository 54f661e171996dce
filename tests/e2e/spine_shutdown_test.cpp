// Closing the main window: the question while the encoder is hooked, and
// the library calls of an orderly exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"
#include "preview_windows.h"

namespace {

using namespace std::chrono_literals;

constexpr char kCloseQuestion[] = "終了するとNOLBが無効になります.\nよろしいですか？";

// The encoder simulator, attached to the library for as long as it runs.
class HookedEncoder {
 public:
  explicit HookedEncoder(const e2e::StandinLibrary& library) : library_(library) {
    if (!e2e::WaitUntil([&] { return library_.State().hookedProcessId == 0; })) {
      throw e2e::HarnessError("an encoder simulator from elsewhere is still attached");
    }
    process_ = e2e::StartHelper(L"encoder_sim.exe", {L"--fps", L"5", L"--width", L"32", L"--height", L"24"});
    if (!e2e::WaitUntil([&] { return library_.State().hookedProcessId == process_.Id(); })) {
      throw e2e::HarnessError("encoder_sim.exe did not attach to the library");
    }
  }

  void Detach() {
    process_.Kill();
    if (!e2e::WaitUntil([&] { return library_.State().hookedProcessId == 0; })) {
      throw e2e::HarnessError("the library still reports the ended encoder simulator as hooked");
    }
  }

 private:
  const e2e::StandinLibrary& library_;
  e2e::Process process_;
};

std::vector<int> Sorted(std::vector<int> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

// The redirection switched off, then the library released once, last.
void ExpectReleasedOnceLast(const std::vector<e2e::Call>& calls) {
  EXPECT_TRUE(e2e::CallsAre(e2e::After(calls, "NOLB_Enabled"), {"NOLB_Uninit"}));
  EXPECT_EQ(e2e::Named(calls, "NOLB_Uninit").size(), 1u);
}

e2e::MessageDialog ExpectCloseQuestion(const e2e::Panel& panel) {
  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(e2e::Utf8(box.Title()), e2e::Utf8(panel.MainWindow().Text()));
  EXPECT_EQ(e2e::Utf8(box.Text()), kCloseQuestion);
  EXPECT_EQ(Sorted(box.Buttons()), (std::vector<int>{IDYES, IDNO}));
  return box;
}

TEST(SpineShutdown, ClosingWhileHookedAsksAndNoKeepsEverythingRunning) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  HookedEncoder encoder(panel.Library());
  e2e::CallLog log(panel);

  panel.RequestClose();
  e2e::MessageDialog box = ExpectCloseQuestion(panel);
  box.Press(IDNO);
  ASSERT_TRUE(box.WaitClosed());

  // An Apply after the answer: its push is the first thing the library hears.
  panel.Control("ButtonApply").Click();
  log.WaitForPush();
  EXPECT_TRUE(e2e::CallsAre(log.Calls(), {"NOLB_Lock", "NOLB_SetMode", "NOLB_SetTarget", "NOLB_Enabled(1)",
                                          "NOLB_Unlock"}));
  EXPECT_TRUE(main.Exists() && main.Visible());
  EXPECT_TRUE(panel.Running());
  EXPECT_EQ(panel.Library().State().enabled, 1);

  // Without the encoder nothing is asked: Close fails on a question.
  encoder.Detach();
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(SpineShutdown, ClosingWhileHookedAndAnsweringYesEnds) {
  auto panel = e2e::Panel::Start();
  HookedEncoder encoder(panel.Library());
  e2e::CallLog log(panel);

  panel.RequestClose();
  ExpectCloseQuestion(panel).Press(IDYES);
  EXPECT_EQ(panel.WaitForExit(), 0u);
  EXPECT_TRUE(e2e::CallsInclude(log.Calls(), {"NOLB_Enabled(0)", "NOLB_Uninit"}));
}

// The exit returns to the desktop rectangle last applied (not the one typed
// since), pushes it, withdraws the mouse position and switches off.
TEST(SpineShutdown, AnOrderlyExitPushesTheDesktopRectangleThenSwitchesOff) {
  auto panel = e2e::Panel::Start();
  panel.Control("EditX").SetText(L"12");
  panel.Control("EditY").SetText(L"34");
  panel.Control("EditWidth").SetText(L"640");
  panel.Control("EditHeight").SetText(L"480");
  e2e::CallLog applied(panel);
  panel.Control("ButtonApply").Click();
  applied.WaitForPush();
  panel.Control("EditX").SetText(L"99");
  e2e::CallLog log(panel);

  EXPECT_EQ(panel.Close(), 0u);
  auto calls = log.Calls();
  EXPECT_TRUE(e2e::CallsAre(calls, {"NOLB_Lock", "NOLB_SetMode(1, 1, 0, 1, 0, 0)", e2e::DesktopTarget("12, 34, 640, 480"),
                                    "NOLB_Enabled(1)", "NOLB_Unlock", "NOLB_SetMousePos(-2147483648, -2147483648)",
                                    "NOLB_Enabled(0)", "NOLB_Uninit"}));
  // The three switching-off calls stand outside any lock group.
  for (size_t i = calls.size() >= 3 ? calls.size() - 3 : 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].group, 0u) << calls[i].ToString() << " ran inside a lock group";
  }
  NolbStateView state = panel.Library().State();
  EXPECT_EQ(state.enabled, 0);
  EXPECT_EQ(state.mouseX, INT32_MIN);
  EXPECT_EQ(state.mouseY, INT32_MIN);
  EXPECT_EQ(state.filesWrittenBeforeUninit, 3) << "the settings file and the lists come before the release";
}

// Ending the session (log off, shut down) runs the orderly exit without the
// question, once, even though the window may be destroyed afterwards.
TEST(SpineShutdown, TheSessionEndSavesAndSwitchesOffOnceWithoutAsking) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  HookedEncoder encoder(panel.Library());
  panel.Control("EditX").SetText(L"12");
  panel.Control("ButtonAddPos").Click();
  e2e::CallLog applied(panel);
  panel.Control("ButtonApply").Click();
  applied.WaitForPush();
  e2e::CallLog log(panel);

  EXPECT_EQ(main.Send(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_FALSE(panel.FindMessageBox()) << "the session end asked the exit question";
  // An end that another program refused: nothing happens.
  main.Send(WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(e2e::CallsAre(log.Calls(), {}));
  EXPECT_FALSE(panel.Setting(L"Main", L"X"));

  // The exit is done before the message returns: the system may end the
  // process at any moment after it.
  main.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(e2e::CallsInclude(log.Calls(), {e2e::DesktopTarget("12, 0, 320, 240"),
                                              "NOLB_SetMousePos(-2147483648, -2147483648)", "NOLB_Enabled(0)",
                                              "NOLB_Uninit"}));
  // The library goes first: the system may end the program before a slow
  // write is done.
  EXPECT_EQ(panel.Library().State().filesWrittenBeforeUninit, 0) << "a file was written before the release";
  EXPECT_EQ(panel.Setting(L"Main", L"X"), std::wstring(L"12"));
  EXPECT_EQ(panel.ListFile(L"ListPos.txt"), (std::vector<std::string>{"0, 0", "12, 0"}));
  EXPECT_FALSE(panel.FindMessageBox());

  // Closing afterwards neither asks nor reaches the library again.
  EXPECT_EQ(panel.Close(), 0u);
  auto calls = panel.Calls();
  auto uninit = std::find_if(calls.begin(), calls.end(), [](const e2e::Call& c) { return c.function == "NOLB_Uninit"; });
  ASSERT_NE(uninit, calls.end());
  EXPECT_EQ(uninit + 1, calls.end()) << "a call after NOLB_Uninit: " << (uninit + 1)->ToString();
}

// No file can be written at the session's end: no error is shown, which
// nobody would answer in the few seconds the system gives (each window
// answers within the harness's five seconds), and every step of the exit
// still runs.
TEST(SpineShutdown, TheSessionEndShowsNoErrorAndStillSwitchesOffOnce) {
  e2e::TempFolder work;
  std::filesystem::create_directory(work.Path() / L"ListPos.txt");
  std::filesystem::create_directory(work.Path() / L"ListSize.txt");
  auto panel = e2e::Panel::Start({.currentDirectory = work.Path().wstring()});
  std::filesystem::create_directory(panel.SettingsPath());
  e2e::CallLog log(panel);

  for (const e2e::Window& window : panel.TopLevelWindows()) {
    EXPECT_EQ(window.Send(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  }
  // The first window told shuts the main window down, which takes the
  // markers along: the system tells only the windows that still exist.
  for (const e2e::Window& window : panel.TopLevelWindows()) {
    if (IsWindow(window.Handle())) window.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  }
  EXPECT_FALSE(panel.FindMessageBox());
  EXPECT_TRUE(e2e::CallsInclude(log.Calls(), {"NOLB_SetMousePos(-2147483648, -2147483648)", "NOLB_Enabled(0)",
                                              "NOLB_Uninit"}));
  EXPECT_EQ(panel.Close(), 0u);
  ExpectReleasedOnceLast(log.Calls());
}

// The restart manager asks the program to end (an installer must replace a
// file it holds) while the session goes on: the program ends as an exit
// does, without the question although the encoder is hooked; also while a
// modal window of the panel is up (its own loop, or the system's message box
// inside the close), which goes with the main window and leaves no size.
TEST(SpineShutdown, TheRestartManagersRequestEndsTheProgramWithoutAsking) {
  using Step = std::function<e2e::Window(const e2e::Panel&)>;
  const Step nothing = [](const e2e::Panel& panel) { return panel.MainWindow(); };
  // The window that hears of the request first: the main window, or another
  // one that the system happens to tell first.
  const struct {
    const char* what;
    Step open;
  } rows[] = {
      {"nothing open", nothing},
      {"the opacity dialog", [](const e2e::Panel& panel) {
         panel.Menu('S', 'L');
         e2e::WaitForShown(panel, e2e::kAlphaSettingsClass);
         return panel.MainWindow();
       }},
      {"the exit question", [](const e2e::Panel& panel) {
         panel.RequestClose();
         panel.WaitForMessageBox();
         return panel.MainWindow();
       }},
      {"the shown preview told first", [](const e2e::Panel& panel) { return e2e::TogglePreview(panel, true); }},
      {"the hotkey dialog told first", [](const e2e::Panel& panel) { return panel.Control("ButtonClose").Parent(); }},
      {"the window list told first", [](const e2e::Panel& panel) {
         return panel.Activate(), e2e::input::Chord({VK_CONTROL, 'L'}), panel.Control("TreeWindows").Parent();
       }},
  };
  for (const auto& [what, open] : rows) {
    SCOPED_TRACE(what);
    auto panel = e2e::Panel::Start();
    HookedEncoder encoder(panel.Library());
    e2e::Window first = open(panel);
    e2e::CallLog log(panel);

    EXPECT_EQ(first.Send(WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    first.Send(WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_EQ(panel.WaitForExit(), 0u);
    EXPECT_FALSE(panel.FindMessageBox());
    EXPECT_TRUE(e2e::CallsInclude(log.Calls(), {e2e::DesktopTarget(), "NOLB_Enabled(0)", "NOLB_Uninit"}));
    ExpectReleasedOnceLast(log.Calls());
    EXPECT_EQ(panel.Library().State().filesWrittenBeforeUninit, 0) << "a file was written before the release";
    const std::vector<e2e::Call> calls = panel.Calls();
    EXPECT_EQ(e2e::Named(calls, "NOLB_BitBltUninit").size(), e2e::Named(calls, "NOLB_BitBltInit").size())
        << "the preview's drawing was not ended";
    EXPECT_TRUE(panel.Setting(L"Main", L"X")) << "the settings were not written";
    EXPECT_TRUE(panel.Setting(L"Preview", L"Top")) << "the preview's settings were not written";
    EXPECT_FALSE(panel.Setting(L"WindowList", L"Width")) << "the size of a list that went with the panel";
  }
}

// The session's end told to the main window first, while the preview draws
// at 30 frames a second: the preview's drawing ends before the exit, and
// nothing reaches the library after its release, neither a frame nor the
// window-grab key, a button, the picker or a timer, until the system has
// told every window and the program ends.
TEST(SpineShutdown, TheSessionEndToTheMainWindowFirstLeavesNothingAfterTheLibrarysRelease) {
  auto panel = e2e::Panel::Start({.settings = "[Preview]\r\nFrameRate=0\r\n[Hotkey]\r\nHotKeyTargetRegistered=1\r\n"});
  e2e::Window main = panel.MainWindow();
  const uint32_t mark = e2e::JournalMark();
  e2e::TogglePreview(panel, true);
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::Frames(e2e::CallsSince(panel, mark)).size() >= 3; }, "frames"));

  EXPECT_EQ(main.Send(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  main.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  e2e::BringToFront(main);
  e2e::input::Press(VK_F10);
  panel.Control("ButtonApply").Click();
  panel.Control("ButtonPreview").Click();
  e2e::QuickClick(panel.Control("PanelDrag").Center());  // a press and release on "Drag here."
  e2e::Settle(panel);
  // Nothing to wait for: the journal is watched for 300 ms (ten frames at
  // 30 a second, five ticks of the target watch) before the other windows
  // hear of the session's end.
  const auto watched = std::chrono::steady_clock::now() + 300ms;
  e2e::WaitUntil([&] { return std::chrono::steady_clock::now() >= watched; });
  for (const e2e::Window& window : panel.TopLevelWindows()) {
    if (window.Handle() != main.Handle()) window.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  }
  EXPECT_EQ(panel.Close(), 0u);

  std::vector<e2e::Call> calls = panel.Calls();
  std::vector<e2e::Call> afterRelease = e2e::After(calls, "NOLB_Uninit");
  EXPECT_TRUE(e2e::CallsAre(afterRelease, {})) << "calls after NOLB_Uninit";
  EXPECT_TRUE(e2e::CallsInclude(e2e::CallsSince(panel, mark),
                                {"NOLB_BitBltInit", "NOLB_BitBlt", "NOLB_BitBltUninit", e2e::DesktopTarget(),
                                 "NOLB_Enabled(0)", "NOLB_Uninit"}));
  EXPECT_TRUE(e2e::FramesOnlyWhileDrawingBegun(calls));
}

// The session ends while the start-up's own tasks still wait in the queue
// (the windows after the main window, the markers): none of them runs after
// the exit, and nothing reaches the library after its release.
TEST(SpineShutdown, TheSessionEndBeforeTheStartupsTasksLeavesThemUndone) {
  auto panel = e2e::StartWaitingInInit({.settings = "[Main]\r\nShowRange=1\r\n"}, [](const e2e::Window& main) {
    main.Post(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  });
  ASSERT_TRUE(e2e::Eventually([&] { return !e2e::Named(panel.Calls(), "NOLB_Uninit").empty(); }, "the release"));
  // Nothing to wait for: the journal is watched for 300 ms.
  const auto watched = std::chrono::steady_clock::now() + 300ms;
  e2e::WaitUntil([&] { return std::chrono::steady_clock::now() >= watched; });
  EXPECT_TRUE(e2e::CallsAre(e2e::After(panel.Calls(), "NOLB_Uninit"), {}));
  EXPECT_FALSE(std::ranges::any_of(panel.TopLevelWindows(), [](const e2e::Window& window) {
    return window.ClassName() == e2e::kLastWindowClass;
  })) << "the windows after the main window were made after the exit";
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
