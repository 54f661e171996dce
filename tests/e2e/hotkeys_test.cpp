// System-wide hotkeys: the hotkey dialog's rows, registering and releasing
// them, section Hotkey of the settings file, and what each key does to the
// main window while another program has the keyboard focus.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

struct Row {
  const char* edit;
  const char* reg;
  const char* unreg;
};
constexpr Row kAutoMouse{"HotKeyAutoMouse", "ButtonRegAutoMouse", "ButtonUnregAutoMouse"};
constexpr Row kWindowGrab{"HotKeyTarget", "ButtonRegTarget", "ButtonUnregTarget"};
constexpr Row kSetPos{"HotKeySetPos", "ButtonRegSetPos", "ButtonUnregSetPos"};
constexpr Row kSetRange{"HotKeySetRange", "ButtonRegSetRange", "ButtonUnregSetRange"};
constexpr Row kSelPos{"HotKeySelPos", "ButtonRegSelPos", "ButtonUnregSelPos"};
constexpr Row kSelSize{"HotKeySelSize", "ButtonRegSelSize", "ButtonUnregSelSize"};

constexpr wchar_t kFailureText[] = L"登録に失敗しました.\r\n別のキーの組み合わせを試してみてください.";

class Hotkeys : public ::testing::Test {
 protected:
  bool Registered(const Row& row) const {
    return panel.Control(row.unreg).Enabled() && !panel.Control(row.reg).Enabled() &&
           !panel.Control(row.edit).Enabled();
  }
  // Puts the key (and hotkey-edit modifier flags) into the row's edit and
  // clicks its "登録"; the caller looks at what came of it.
  void ClickRegister(const Row& row, WORD key, BYTE modifiers = 0) const {
    panel.Control(row.edit).Send(HKM_SETHOTKEY, MAKEWORD(key, modifiers));
    panel.Control(row.reg).Click();
    e2e::Settle(panel);
  }
  void Register(const Row& row, WORD key, BYTE modifiers = 0) const {
    ClickRegister(row, key, modifiers);
    ASSERT_TRUE(Registered(row)) << row.edit;
  }
  // Keys go to the other program's window, as a user presses them there.
  void PressElsewhere(std::initializer_list<WORD> keys) const { PressElsewhere(panel, keys); }
  void PressElsewhere(const e2e::Panel& running, std::initializer_list<WORD> keys) const {
    e2e::BringToFront(target.Main());
    e2e::input::Chord(keys);
    e2e::Settle(running);
  }
  bool FollowsMouse() const { return panel.Control("CheckBoxAutoMouse").Checked(); }
  // Every message posted to the panel is handled, and a status tick has
  // come since, so the shorter timers that fell due have run too.
  void WaitForLook() const {
    e2e::Settle(panel);
    const uint32_t mark = e2e::JournalMark();
    ASSERT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, mark) >= 1; }, "a status tick"));
  }

  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start({.listPos = "1, 1\r\n2, 2\r\n3, 3\r\n4, 4\r\n5, 5\r\n"});
};

TEST_F(Hotkeys, TheMenuShowsTheDialogWithTheDesignedKeysAndEveryRowFree) {
  panel.Menu('O', 'H');
  e2e::Window dialog = panel.Control("ButtonClose").Parent();
  ASSERT_TRUE(e2e::Eventually([&] { return dialog.Visible(); }, "the dialog is shown"));
  EXPECT_EQ(e2e::Utf8(dialog.Text()), "ホットキー設定");
  RECT outer = dialog.Rect(), client = dialog.ClientRect();
  EXPECT_EQ(outer.left, 32);
  EXPECT_EQ(outer.top, 32);
  EXPECT_EQ(client.right - client.left, 273);
  EXPECT_EQ(client.bottom - client.top, 418);
  std::vector<LRESULT> keys;
  for (const char* edit : {"HotKeyAutoMouse", "HotKeyTarget", "HotKeySetPos", "HotKeySetRange", "HotKeyAdjustRange", "HotKeySelPos", "HotKeySelSize"}) {
    keys.push_back(panel.Control(edit).Send(HKM_GETHOTKEY));
  }
  EXPECT_EQ(keys, (std::vector<LRESULT>{VK_F9, VK_F10, VK_F9, VK_F10, VK_F11, VK_F1, VK_F5}));
  for (const Row& row : {kAutoMouse, kWindowGrab, kSetPos, kSelPos, kSelSize}) EXPECT_FALSE(Registered(row));

  panel.Control("ButtonClose").Click();
  EXPECT_TRUE(e2e::Eventually([&] { return !dialog.Visible(); }, "the dialog is hidden"));
}

TEST_F(Hotkeys, ADialogPlaceOffEveryMonitorIsMovedOntoOne) {
  ASSERT_EQ(panel.Close(), 0u);
  auto again = e2e::Panel::Start({.settings = "[Hotkey]\r\nLeft=-5000\r\nTop=4000\r\n"});
  RECT shown = again.Control("ButtonClose").Parent().Rect();
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT common;
  EXPECT_TRUE(IntersectRect(&common, &shown, &screen)) << shown.left << ", " << shown.top;
}

TEST_F(Hotkeys, FollowMouseKeyTogglesOncePerPressAlsoWhenHeld) {
  Register(kAutoMouse, VK_F9);

  // The panel handles the key after its posted messages: wait for the state.
  PressElsewhere({VK_F9});
  EXPECT_TRUE(e2e::Becomes([&] { return FollowsMouse(); }, true));

  // Two quick presses, both handled before the panel looked at the key
  // (its timer comes only when no message waits): both act.
  WaitForLook();
  const uint32_t quick = e2e::JournalMark();
  e2e::input::Press(VK_F9);
  e2e::input::Press(VK_F9);
  e2e::Settle(panel);
  EXPECT_TRUE(FollowsMouse()) << "the second quick press was taken for a repeat";
  EXPECT_TRUE(e2e::Eventually([&] { return e2e::CallsInclude(e2e::CallsSince(panel, quick), {
      "NOLB_SetMousePos(-2147483648, -2147483648)", "NOLB_SetMousePos(*, *)"}); }, "each acts: the cursor withdrawn, then followed"));

  // Held: the keyboard repeats the key press until the release. Were each
  // repeat a press, the four would leave the mode on. Under Wine, which
  // sends the repeats, a repeat is one that the panel's look at the key
  // (every 10 ms) saw down since the message before: a status tick (330 ms)
  // after each lets the look come.
  e2e::BringToFront(target.Main());
  for (int repeat = 0; repeat < 4; ++repeat) {
    e2e::input::KeyDown(VK_F9);
    WaitForLook();
  }
  e2e::input::KeyUp(VK_F9);
  EXPECT_TRUE(e2e::Becomes([&] { return FollowsMouse(); }, false)) << "one held press toggles once";
  WaitForLook();
  EXPECT_FALSE(FollowsMouse()) << "one held press toggles once";

  PressElsewhere({VK_F9});
  EXPECT_TRUE(e2e::Becomes([&] { return FollowsMouse(); }, true));
}

TEST_F(Hotkeys, WindowGrabTakesTheWindowUnderTheCursorUnlessTheMouseIsFollowed) {
  Register(kWindowGrab, VK_F10, HOTKEYF_CONTROL);
  SIZE client = e2e::ClientSize(target.Main());
  e2e::input::MoveMouse(e2e::InsideMainNotChild(target));
  uint32_t mark = e2e::JournalMark();

  PressElsewhere({VK_CONTROL, VK_F10});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Main()), 0, 0, client.cx, client.cy)));
  EXPECT_EQ(panel.Control("EditWindowCaption").Text(), e2e::TargetCaption(target.Main()));

  panel.Control("ButtonDesktop").Click();
  panel.Control("CheckBoxAutoMouse").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return FollowsMouse(); }, "following the mouse"));
  PressElsewhere({VK_CONTROL, VK_F10});
  EXPECT_EQ(e2e::Utf8(panel.Control("EditWindowCaption").Text()), "Desktop");
}

TEST_F(Hotkeys, PositionPresetKeysChooseTheFirstTwoAndTheLastTwoEntries) {
  Register(kSelPos, VK_F1);
  std::vector<std::wstring> chosen;
  for (WORD key : {VK_F1, VK_F2, VK_F3, VK_F4}) {
    uint32_t mark = e2e::JournalMark();
    PressElsewhere({key});
    e2e::WaitForPush(panel, mark);
    chosen.push_back(panel.Control("EditX").Text());
  }
  EXPECT_EQ(chosen, (std::vector<std::wstring>{L"1", L"2", L"4", L"5"}));
}

TEST_F(Hotkeys, WhileTheMouseIsFollowedSizePresetsWorkAndPositionPresetsDoNot) {
  Register(kSelPos, VK_F1);
  Register(kSelSize, VK_F5);
  panel.Control("CheckBoxAutoMouse").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !panel.Control("GroupBoxTarget").Enabled(); }, "target group locked"));
  int position = panel.Control("ComboBoxPos").Selection();

  PressElsewhere({VK_F2});
  PressElsewhere({VK_F8});

  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("ComboBoxSize").Selection(); }, 3));
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("EditWidth").Text(); }, std::wstring(L"960")));
  EXPECT_EQ(panel.Control("ComboBoxPos").Selection(), position);
}

TEST_F(Hotkeys, SelectionKeysStartOneSelectionAndOnlyWithBothModesOff) {
  Register(kSetPos, VK_F9);
  Register(kSetRange, VK_F10);
  e2e::Window selection;
  for (const auto& window : panel.TopLevelWindows()) {
    if (window.ClassName() == L"TFormSelect") selection = window;
  }
  ASSERT_TRUE(selection);
  panel.Control("CheckBoxAutoWindow").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Control("CheckBoxAutoWindow").Checked(); }, "following the window size"));
  PressElsewhere({VK_F9});
  PressElsewhere({VK_F10});
  EXPECT_FALSE(selection.Visible());

  panel.Control("ButtonUncheck").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !panel.Control("CheckBoxAutoWindow").Checked(); }, "both modes off"));
  uint32_t mark = e2e::JournalMark();
  PressElsewhere({VK_F10});
  ASSERT_TRUE(e2e::Eventually([&] { return selection.Visible(); }, "the range selection is up"));
  PressElsewhere({VK_F9});  // a second selection does not start
  e2e::input::SettledDrag({200, 150}, {100, 50});
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 100, 50, 101, 101)));
  e2e::Settle(panel);
  EXPECT_FALSE(selection.Visible());
}

TEST_F(Hotkeys, ACombinationAlreadyHeldIsRefusedWithAMessage) {
  Register(kAutoMouse, VK_F9);

  ClickRegister(kSetPos, VK_F9);

  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(box.Title(), panel.MainWindow().Text());
  EXPECT_EQ(box.Text(), kFailureText);
  EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  EXPECT_FALSE(Registered(kSetPos));

  // Once the session ends (told to the main window), the failure is told
  // no more, as every report: nobody would answer it. The start-up's
  // failure, shown once every window is made, goes the same way.
  panel.MainWindow().Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ClickRegister(kSetPos, VK_F9);
  EXPECT_FALSE(panel.FindMessageBox());
  EXPECT_FALSE(Registered(kSetPos));
}

TEST_F(Hotkeys, ARunWhoseThirdKeyIsHeldElsewhereLeavesNoKeyOfItRegistered) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 3, 0, VK_F3));

  ClickRegister(kSelPos, VK_F1);
  e2e::MessageDialog box = panel.WaitForMessageBox();
  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  EXPECT_FALSE(Registered(kSelPos));

  // The panel holds none of the other three keys: this program can take them.
  for (int key : {VK_F1, VK_F2, VK_F4}) EXPECT_TRUE(RegisterHotKey(nullptr, key, 0, key)) << key;
  for (int id : {3, VK_F1, VK_F2, VK_F4}) UnregisterHotKey(nullptr, id);
}

TEST_F(Hotkeys, RowsSavedAsRegisteredAreRegisteredAgainAtTheNextStart) {
  Register(kSelPos, VK_F1);
  Register(kSelSize, 'Q', HOTKEYF_CONTROL);
  Register(kAutoMouse, VK_F9);
  ASSERT_EQ(panel.Close(), 0u);
  auto entries = e2e::SectionEntries(panel.SettingsPath(), "Hotkey");
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{
                         {"Top", "32"}, {"Left", "32"}, {"HotKeyAutoMouse", "120"},
                         {"HotKeyAutoMouseRegistered", "1"}, {"HotKeyTarget", "121"},
                         {"HotKeyTargetRegistered", "0"}, {"HotKeySetPos", "120"},
                         {"HotKeySetPosRegistered", "0"}, {"HotKeySetRange", "121"},
                         {"HotKeySetRangeRegistered", "0"}, {"HotKeySelectPos", "112"},
                         {"HotKeySelectPosRegistered", "1"}, {"HotKeySelectSize", "16465"},
                         {"HotKeySelectSizeRegistered", "1"}, {"HotKeyAdjustRange", "122"},
                         {"HotKeyAdjustRangeRegistered", "0"}}));

  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  ASSERT_TRUE(e2e::Eventually([&] { return again.Control(kSelSize.unreg).Enabled(); }, "size row registered"));
  EXPECT_TRUE(again.Control(kSelPos.unreg).Enabled());
  uint32_t mark = e2e::JournalMark();
  PressElsewhere(again, {VK_CONTROL, 'R'});  // the run's last key: the last size entry
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(again, mark), e2e::PushOf(e2e::DesktopArg(), 0, 0, 960, 720)));
  mark = e2e::JournalMark();
  PressElsewhere(again, {VK_F2});  // the position run's second key: the second entry
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(again, mark), e2e::PushOf(e2e::DesktopArg(), 2, 2, 960, 720)));
}

TEST_F(Hotkeys, ARowSavedAsRegisteredWhoseKeyIsHeldElsewhereFailsAtStartAndIsSavedFree) {
  ASSERT_EQ(panel.Close(), 0u);
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_SHIFT, VK_F9));
  auto again = e2e::Panel::Start({.settings = "[Hotkey]\r\nHotKeyAutoMouse=8312\r\nHotKeyAutoMouseRegistered=1\r\n",
                                  .waitForMainWindow = false});
  e2e::MessageDialog box = again.WaitForMessageBox();
  EXPECT_EQ(box.Text(), kFailureText);
  EXPECT_EQ(box.Title(), L"NOLB Ver.0.9.7  ◆Tz4Hn8QwL.");
  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  UnregisterHotKey(nullptr, 1);
  EXPECT_TRUE(again.Control(kAutoMouse.reg).Enabled());
  ASSERT_EQ(again.Close(), 0u);
  EXPECT_EQ(again.Setting(L"Hotkey", L"HotKeyAutoMouseRegistered"), L"0");
}

TEST_F(Hotkeys, ClosingThePanelWhileTheStartupFailureIsUpKeepsTheRowsRestored) {
  ASSERT_EQ(panel.Close(), 0u);
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_SHIFT, VK_F9));
  auto again = e2e::Panel::Start({.settings = "[Hotkey]\r\nHotKeyAutoMouse=8312\r\nHotKeyAutoMouseRegistered=1\r\n"
                                              "HotKeySelectPos=112\r\nHotKeySelectPosRegistered=1\r\n",
                                  .waitForMainWindow = false});
  EXPECT_EQ(again.WaitForMessageBox().Text(), kFailureText);
  // Told once every row is restored and every window is made.
  const std::optional<e2e::Window> unreg = again.FindControl(kSelPos.unreg);
  const bool restored = unreg && unreg->Enabled();
  const bool allMade = std::ranges::any_of(again.TopLevelWindows(), [](const e2e::Window& w) {
    return w.ClassName() == e2e::kLastWindowClass;
  });
  again.RequestClose();
  EXPECT_EQ(again.WaitForExit(), 0u);
  UnregisterHotKey(nullptr, 1);
  EXPECT_EQ(again.Setting(L"Hotkey", L"HotKeyAutoMouseRegistered"), L"0");
  EXPECT_EQ(again.Setting(L"Hotkey", L"HotKeySelectPosRegistered"), L"1");
  EXPECT_TRUE(restored);
  EXPECT_TRUE(allMade);
}

// "ホットキー(&H)" chosen before the start-up has made the dialog: it opens
// once the dialog is made. The menu's commands are numbered from 40000 in
// the order of the main menu's table; this one is its fifteenth item.
TEST_F(Hotkeys, TheMenuChosenBeforeTheDialogIsMadeOpensItOnceItIs) {
  constexpr WPARAM kHotkeyMenuCommand = 40014;
  ASSERT_EQ(panel.Close(), 0u);
  auto early = e2e::StartWaitingInInit({}, [&](const e2e::Window& main) { main.Post(WM_COMMAND, kHotkeyMenuCommand); });
  e2e::Window dialog = early.Control("ButtonClose").Parent();
  EXPECT_TRUE(e2e::Eventually([&] { return dialog.Visible(); }, "the dialog shown"));
}

}  // namespace
