// Taking the target again when its program comes back ("ターゲットの再取得(&R)"
// in menu "設定(&O)"), with Wine's own text editor: its edit control is the
// target, with a rectangle inside it; the editor quits and is started again.
#include <gtest/gtest.h>

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
  void PickEditOf(const Notepad& pad) {
    const e2e::Window edit = pad.Edit();
    e2e::DragPick(panel, edit.Center(), e2e::TargetCaption(edit));
    e2e::SetRectangleEdits(panel, kX, kY, kWidth, kHeight);
    const uint32_t mark = e2e::JournalMark();
    panel.Control("ButtonApply").Click();
    ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                  e2e::PushOf(e2e::HandleArg(edit), kX, kY, kWidth, kHeight)));
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
  Notepad RestartAndSeeItNotTaken() {
    const uint32_t mark = e2e::JournalMark();
    Notepad pad = Notepad::Start();
    const uint32_t shown = e2e::JournalMark();
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, shown) >= 5; }, "five status ticks"));
    EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {}));
    EXPECT_EQ(panel.Control("EditWindowCaption").Text(), L"Desktop");
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
  again.Quit();

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

}  // namespace
