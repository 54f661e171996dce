// Taking the target again when its program comes back ("ターゲットの再取得(&R)"
// in menu "設定(&O)"), with Wine's own text editor: its edit control is the
// target, with a rectangle inside it; the editor quits and is started again.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using namespace std::chrono_literals;
using e2e::Notepad;

constexpr int kX = 10, kY = 20, kWidth = 200, kHeight = 100;

class ReacquireTarget : public ::testing::Test {
 protected:
  void SwitchReacquire() const {
    panel.Menu('O', 'R');
    e2e::Settle(panel);
  }

  // Picks the editor's edit control with a left drag and applies a
  // rectangle inside it.
  void PickEditOf(const Notepad& pad) { PickAt(pad.Edit(), pad.Edit().Center()); }
  void PickAt(const e2e::Window& window, POINT point) {
    e2e::DragPick(panel, point, e2e::TargetCaption(window));
    e2e::SetRectangleEdits(panel, kX, kY, kWidth, kHeight);
    const uint32_t mark = e2e::JournalMark();
    panel.Control("ButtonApply").Click();
    ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                  e2e::PushOf(e2e::HandleArg(window), kX, kY, kWidth, kHeight)));
  }

  // The editor quits; the target watch pushes the desktop.
  void QuitAndSeeTheDesktopPushed(Notepad& pad) {
    const uint32_t mark = e2e::JournalMark();
    pad.Quit();
    EXPECT_TRUE(e2e::IsPush(e2e::WaitForPush(panel, mark, 3s), "NOLB_SetMode(*, *, *, *, *, *)",
                            e2e::DesktopTarget()));
  }

  // Starts the editor again and sees that the panel leaves it alone for
  // five ticks of its status line (1.65 s) after its window is shown.
  Notepad RestartAndSeeItNotTaken(const std::wstring& caption = L"Desktop") {
    const uint32_t mark = e2e::JournalMark();
    Notepad pad = Notepad::Start();
    const uint32_t shown = e2e::JournalMark();
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, shown) >= 5; }, "five status ticks"));
    EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {}));
    EXPECT_EQ(panel.Control("EditWindowCaption").Text(), caption);
    return pad;
  }

  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(ReacquireTarget, TakesTheRestartedEditorsEditWithTheSameRectangleAndIsKept) {
  Notepad pad = Notepad::Start();
  SwitchReacquire();
  PickEditOf(pad);
  QuitAndSeeTheDesktopPushed(pad);

  const uint32_t mark = e2e::JournalMark();
  Notepad again = Notepad::Start();
  // Within a second of its window being shown.
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark, 1s),
                                e2e::PushOf(e2e::HandleArg(again.Edit()), kX, kY, kWidth, kHeight)));
  EXPECT_EQ(panel.Control("EditWindowCaption").Text(), e2e::TargetCaption(again.Edit()));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(kX, kY, kWidth, kHeight));

  // A second loss in the same run is waited for anew and taken again.
  QuitAndSeeTheDesktopPushed(again);
  const uint32_t restarted = e2e::JournalMark();
  Notepad third = Notepad::Start();
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, restarted, 1s),
                                e2e::PushOf(e2e::HandleArg(third.Edit()), kX, kY, kWidth, kHeight)));
  // "無効化" during the wait: the restarted editor is not taken.
  QuitAndSeeTheDesktopPushed(third);
  panel.Control("ButtonDisable").Click();
  e2e::Settle(panel);
  RestartAndSeeItNotTaken().Quit();

  // The switch is kept in the settings file and read at the next start.
  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"Reacquire"), std::optional<std::wstring>(L"1"));
  auto next = e2e::Panel::Start(e2e::CarriedOver(panel));
  ASSERT_EQ(next.Close(), 0u);
  EXPECT_EQ(next.Setting(L"Main", L"Reacquire"), std::optional<std::wstring>(L"1"));
}

TEST_F(ReacquireTarget, OffOrAfterTheDesktopButtonARestartedEditorIsNotTaken) {
  // Off, as on a first start: the run ends at the desktop.
  Notepad pad = Notepad::Start();
  PickEditOf(pad);
  QuitAndSeeTheDesktopPushed(pad);
  pad = RestartAndSeeItNotTaken();

  // On, but the user goes back to the desktop while the panel waits.
  SwitchReacquire();
  PickEditOf(pad);
  QuitAndSeeTheDesktopPushed(pad);
  const uint32_t mark = e2e::JournalMark();
  panel.Control("ButtonDesktop").Click();
  EXPECT_TRUE(e2e::IsPush(e2e::WaitForPush(panel, mark), "NOLB_SetMode(*, *, *, *, *, *)", e2e::DesktopTarget()));
  RestartAndSeeItNotTaken().Quit();
  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"Reacquire"), std::optional<std::wstring>(L"1"));
}

TEST_F(ReacquireTarget, AWindowChosenByConversionEndsTheWait) {
  // A second editor, there when the first one's edit is taken (one made
  // after would be a candidate), under the first.
  Notepad second = Notepad::Start();
  Notepad pad = Notepad::Start();
  SwitchReacquire();
  PickEditOf(pad);
  QuitAndSeeTheDesktopPushed(pad);

  // A desktop point inside the second editor's edit, applied, then
  // "ウィンドウ座標に変換(&D)": the second editor's edit is the target.
  const POINT inside = second.Edit().Center();
  e2e::SetRectangleEdits(panel, inside.x, inside.y, kWidth, kHeight);
  uint32_t mark = e2e::JournalMark();
  panel.Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::DesktopArg(), inside.x, inside.y, kWidth, kHeight)));
  mark = e2e::JournalMark();
  panel.Menu('O', 'D');
  ASSERT_TRUE(e2e::IsPush(e2e::WaitForPush(panel, mark), "NOLB_SetMode(*, *, *, *, *, *)",
                          "NOLB_SetTarget(" + std::to_string(e2e::HandleArg(second.Edit())) + ", *, *, *, *)"));
  RestartAndSeeItNotTaken(e2e::TargetCaption(second.Edit())).Quit();
}

TEST_F(ReacquireTarget, AWindowReplacedByItsProgramIsTaken) {
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  SwitchReacquire();
  PickAt(target.Main(), e2e::InsideMainNotChild(target));
  const HWND old = target.Main().Handle();
  const uint32_t mark = e2e::JournalMark();
  PostMessageW(old, WM_APP, 0, 0);  // destroyed, and the same made at once
  HWND made = nullptr;
  ASSERT_TRUE(e2e::Eventually([&] {
    made = FindWindowW(e2e::TargetWindow::kClass, nullptr);
    return made && made != old;
  }, "the window made again"));
  EXPECT_TRUE(e2e::Eventually([&] {
    const auto pushes = e2e::Pushes(e2e::CallsSince(panel, mark));
    return !pushes.empty() && e2e::CallsAreList(pushes.back(), e2e::PushOf(e2e::HandleArg(made), kX, kY, kWidth, kHeight));
  }, "the new window pushed with the rectangle"));

  // Its control the target, the window made again makes its control only
  // 0.7 s after it shows: the control is taken when it comes.
  const e2e::Window child(FindWindowExW(made, nullptr, L"Static", nullptr));
  PickAt(child, child.Center());
  const uint32_t late = e2e::JournalMark();
  PostMessageW(made, WM_APP, 700, 0);
  HWND again = nullptr, control = nullptr;
  ASSERT_TRUE(e2e::Eventually([&] {
    again = FindWindowW(e2e::TargetWindow::kClass, nullptr);
    return again && again != made;
  }, "the window made again"));
  EXPECT_FALSE(FindWindowExW(again, nullptr, L"Static", nullptr)) << "the control came with the window";
  EXPECT_TRUE(e2e::Eventually([&] {
    control = FindWindowExW(again, nullptr, L"Static", nullptr);
    const auto pushes = e2e::Pushes(e2e::CallsSince(panel, late));
    return control && !pushes.empty() &&
           e2e::CallsAreList(pushes.back(), e2e::PushOf(e2e::HandleArg(control), kX, kY, kWidth, kHeight));
  }, "the late control pushed with the rectangle"));

  // The program makes its new window 200 ms (three ticks of the watch)
  // before it destroys the old one: the new window's control is taken.
  const uint32_t before = e2e::JournalMark();
  PostMessageW(again, WM_APP + 1, 200, 0);
  HWND next = nullptr;
  ASSERT_TRUE(e2e::Eventually([&] {
    next = FindWindowW(e2e::TargetWindow::kClass, nullptr);
    return !IsWindow(again) && next;
  }, "the old window gone and the new one there"));
  const HWND nextControl = FindWindowExW(next, nullptr, L"Static", nullptr);
  EXPECT_TRUE(e2e::Eventually([&] {
    const auto pushes = e2e::Pushes(e2e::CallsSince(panel, before));
    return !pushes.empty() &&
           e2e::CallsAreList(pushes.back(), e2e::PushOf(e2e::HandleArg(nextControl), kX, kY, kWidth, kHeight));
  }, "the new window made before the old one went pushed with the rectangle"));
}

// The kept rectangle, as the settings file holds it.
std::vector<std::optional<std::wstring>> KeptRectangle(const e2e::Panel& panel) {
  std::vector<std::optional<std::wstring>> rect;
  for (const wchar_t* key : {L"X", L"Y", L"Width", L"Height"}) rect.push_back(panel.Setting(L"Reacquire", key));
  return rect;
}
const std::vector<std::optional<std::wstring>> kKeptRectangle{L"10", L"20", L"200", L"100"};

TEST_F(ReacquireTarget, TheTargetIsKeptAcrossARestartOfThePanel) {
  Notepad pad = Notepad::Start();
  SwitchReacquire();
  PickEditOf(pad);
  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(KeptRectangle(panel), kKeptRectangle);
  {
    std::ifstream file(panel.SettingsPath(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    const size_t kept = text.find("[Reacquire]");
    for (const char* section : {"[Main]", "[Preview]", "[Hotkey]"}) {
      EXPECT_LT(text.find(section), kept) << section << " comes before the kept target";
    }
  }

  // The editor runs: its edit is taken within a second of the start.
  const auto pushedEdit = [&](const e2e::Panel& running, uint32_t mark) {
    const auto pushes = e2e::Pushes(e2e::CallsSince(running, mark));
    return !pushes.empty() &&
           e2e::CallsAreList(pushes.back(), e2e::PushOf(e2e::HandleArg(pad.Edit()), kX, kY, kWidth, kHeight));
  };
  uint32_t mark = e2e::JournalMark();
  auto next = e2e::Panel::Start(e2e::CarriedOver(panel));
  EXPECT_TRUE(e2e::Eventually([&] { return pushedEdit(next, mark); }, "the edit pushed", 1s));
  ASSERT_EQ(next.Close(), 0u);

  // The editor starts only after the panel: taken when it shows.
  // A run in which the editor never came back keeps it for the next.
  pad.Quit();
  auto waiting = e2e::Panel::Start(e2e::CarriedOver(next));
  e2e::Settle(waiting);
  ASSERT_EQ(waiting.Close(), 0u);
  EXPECT_EQ(KeptRectangle(waiting), kKeptRectangle);
  auto third = e2e::Panel::Start(e2e::CarriedOver(waiting));
  mark = e2e::JournalMark();
  pad = Notepad::Start();
  EXPECT_TRUE(e2e::Eventually([&] { return pushedEdit(third, mark); }, "the edit pushed", 1s));

  // Off, or the desktop at exit: nothing is kept.
  third.Menu('O', 'R');
  e2e::Settle(third);
  ASSERT_EQ(third.Close(), 0u);
  EXPECT_EQ(third.Setting(L"Reacquire", L"X"), std::nullopt);
  EXPECT_EQ(third.Setting(L"Main", L"Reacquire"), std::optional<std::wstring>(L"0"));
}

}  // namespace
