// The follow modes: the rectangle follows the mouse cursor or the target
// window's size, pushed by the periodic timer's worker thread while the
// target and range controls are locked.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using namespace std::chrono_literals;

const std::string kWithdrawCursor = "NOLB_SetMousePos(-2147483648, -2147483648)";

DWORD GuiThread(const e2e::Panel& panel) {
  return GetWindowThreadProcessId(panel.MainWindow().Handle(), nullptr);
}

// The panel's calls after the mark made by threads other than its GUI thread.
std::vector<e2e::Call> TickCalls(const e2e::Panel& panel, uint32_t mark) {
  std::vector<e2e::Call> ticks;
  for (const auto& call : e2e::CallsSince(panel, mark)) {
    if (call.threadId != GuiThread(panel)) ticks.push_back(call);
  }
  return ticks;
}

// The complete pushes of the real-time tick after the mark.
std::vector<std::vector<e2e::Call>> TickPushes(const e2e::Panel& panel, uint32_t mark) {
  return e2e::Pushes(TickCalls(panel, mark));
}

// Waits for a tick push whose calls match these, and returns it.
std::vector<e2e::Call> WaitForTickPush(const e2e::Panel& panel, uint32_t mark,
                                       std::initializer_list<std::string_view> expected) {
  std::vector<e2e::Call> found;
  e2e::WaitUntil([&] {
    for (const auto& push : TickPushes(panel, mark)) {
      if (e2e::CallsAre(push, expected)) {
        found = push;
        return true;
      }
    }
    return false;
  });
  if (found.empty()) {
    auto pushes = TickPushes(panel, mark);
    ADD_FAILURE() << "no tick push as expected; the last one:\n"
                  << (pushes.empty() ? "(none)" : ::testing::PrintToString(pushes.back()));
  }
  return found;
}

// Moves the cursor there, switches mouse following on and waits for the
// tick's first push of that cursor position.
void FollowTheMouseAt(const e2e::Panel& panel, POINT cursor) {
  e2e::input::MoveMouse(cursor);
  uint32_t mark = e2e::JournalMark();
  panel.Control("CheckBoxAutoMouse").Click();
  const std::string placed =
      "NOLB_SetMousePos(" + std::to_string(cursor.x) + ", " + std::to_string(cursor.y) + ")";
  ASSERT_FALSE(WaitForTickPush(panel, mark, {"NOLB_Lock", e2e::DesktopTarget(), placed, "NOLB_Enabled(1)", "NOLB_Unlock"})
                   .empty());
}

// Lets the status line (a GUI thread timer, 330 ms) tick twice after the
// mark: longer than ten periods of the real-time timer.
void LetTheGuiThreadTick(const e2e::Panel& panel, uint32_t mark) {
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, mark) >= 2; }, "two status ticks"));
}

// The tick's pushes while the mouse is followed: when each came, the
// rectangle's corner and the cursor it passed.
struct MousePush {
  uint64_t microseconds = 0;
  std::vector<int32_t> corner, cursor;
};

std::vector<MousePush> MousePushes(const e2e::Panel& panel, uint32_t mark) {
  std::vector<MousePush> found;
  for (const auto& push : TickPushes(panel, mark)) {
    if (push.size() != 5 || push[2].function != "NOLB_SetMousePos") continue;
    found.push_back({push[0].microseconds, {push[1].args.at(1), push[1].args.at(2)}, push[2].args});
  }
  return found;
}

// The corner of the rectangle the library has now.
std::vector<int32_t> PushedCorner(const e2e::Panel& panel) {
  const NolbStateView state = panel.Library().State();
  return {state.x, state.y};
}

// Chooses a menu item by its underlined letters and returns once the panel
// has carried out the choice: the menu closed, what it posted handled.
template <typename... Keys>
void ChooseFromMenu(const e2e::Panel& panel, Keys... keys) {
  panel.Menu(keys...);
  ASSERT_TRUE(e2e::Eventually([] {
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) && !IsWindowVisible(menu)) {
    }
    return menu == nullptr;
  }, "the menu closed"));
  e2e::Settle(panel);
}

// The median interval of the tick's next 60 pushes, in ms.
double MedianIntervalMs(const e2e::Panel& panel) {
  const uint32_t mark = e2e::JournalMark();
  std::vector<MousePush> p;
  EXPECT_TRUE(e2e::Eventually([&] { return (p = MousePushes(panel, mark)).size() > 60; }, "61 pushes"));
  std::vector<double> ms;
  for (size_t i = 1; i <= 60 && i < p.size(); ++i) ms.push_back((p[i].microseconds - p[i - 1].microseconds) / 1000.0);
  std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
  return ms.empty() ? 0 : ms[ms.size() / 2];
}

void ExpectEnabled(const e2e::Panel& panel, std::initializer_list<const char*> names, bool enabled) {
  for (const char* name : names) EXPECT_EQ(panel.Control(name).Enabled(), enabled) << name;
}

constexpr auto kLockedWhileFollowing = {
    "PanelDrag",   "ButtonParent",   "ButtonDesktop", "EditX",        "EditY",
    "EditWidth",   "EditHeight",     "ComboBoxPos",   "ButtonAddPos", "ComboBoxSize",
    "ButtonAddSize", "ButtonSetPos", "ButtonSetRange", "ButtonApply2", "ButtonDisable"};

TEST(FollowModes, MouseFollowingPushesTheCursorFromTheTimerThreadUntilSwitchedOff) {
  auto panel = e2e::Panel::Start(
      {.settings = "[Main]\r\nX=5\r\nY=6\r\nsWidth=320\r\nsHeight=240\r\nCentreCursor=1\r\n"});
  e2e::input::MoveMouse({700, 500});
  uint32_t mark = e2e::JournalMark();
  panel.Control("CheckBoxAutoMouse").Click();

  auto push = WaitForTickPush(panel, mark,
                              {"NOLB_Lock", e2e::DesktopTarget("540, 380, 320, 240"),
                               "NOLB_SetMousePos(700, 500)", "NOLB_Enabled(1)", "NOLB_Unlock"});
  ASSERT_FALSE(push.empty());
  EXPECT_TRUE(e2e::InOneGroup(push));
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(540, 380, 320, 240)));
  // Switching on applies nothing from the GUI thread: only the tick pushes.
  for (const auto& call : e2e::CallsSince(panel, mark)) {
    EXPECT_NE(call.threadId, GuiThread(panel)) << call.ToString();
  }
  ExpectEnabled(panel, kLockedWhileFollowing, false);
  ExpectEnabled(panel, {"CheckBoxAutoWindow"}, false);
  ExpectEnabled(panel, {"ButtonUncheck", "ButtonApply", "CheckBoxAutoMouse", "CheckBoxMouseCenter"}, true);

  e2e::input::MoveMouse({300, 700});
  EXPECT_FALSE(WaitForTickPush(panel, mark,
                               {"NOLB_Lock", e2e::DesktopTarget("140, 580, 320, 240"),
                                "NOLB_SetMousePos(300, 700)", "NOLB_Enabled(1)", "NOLB_Unlock"})
                   .empty());
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(140, 580, 320, 240)));

  // Released: the cursor is withdrawn after the last tick, and no tick
  // pushes any more.
  e2e::CallLog log(panel);
  panel.Control("ButtonUncheck").Click();
  e2e::Call withdrawn = log.WaitForCall(kWithdrawCursor);
  EXPECT_EQ(withdrawn.threadId, GuiThread(panel));
  LetTheGuiThreadTick(panel, withdrawn.sequence);
  EXPECT_TRUE(TickCalls(panel, withdrawn.sequence).empty());
  EXPECT_FALSE(panel.Control("CheckBoxAutoMouse").Checked());
  ExpectEnabled(panel, kLockedWhileFollowing, true);
  ExpectEnabled(panel, {"CheckBoxAutoWindow"}, true);
  ExpectEnabled(panel, {"ButtonUncheck"}, false);
  EXPECT_EQ(panel.Library().State().mouseX, INT32_MIN);
  EXPECT_EQ(panel.Close(), 0u);
}

// The tick's timer runs only while a mode is on, so that nothing wakes its
// worker at rest; a mode switched on still gets its first push within one
// period (plus what the scheduler of a loaded machine adds).
TEST(FollowModes, AModeSwitchedOnGetsItsFirstPushWithinOnePeriod) {
  constexpr uint64_t kPeriodUs = 33'000;
  constexpr uint64_t kSchedulerAllowanceUs = 150'000;
  auto panel = e2e::Panel::Start();
  for (const char* box : {"CheckBoxAutoMouse", "CheckBoxAutoWindow"}) {
    SCOPED_TRACE(box);
    const uint32_t mark = e2e::JournalMark();
    panel.Control(box).Click();
    // Answered once the click handler, which starts the timer, has returned.
    ASSERT_TRUE(e2e::Eventually([&] { return panel.Control(box).Checked(); }, "the box is checked"));
    const uint64_t switched = e2e::JournalClock();
    std::vector<std::vector<e2e::Call>> pushes;
    ASSERT_TRUE(e2e::Eventually([&] { return !(pushes = TickPushes(panel, mark)).empty(); }, "a push of the tick"));
    const uint64_t first = pushes.front().front().microseconds;
    EXPECT_LE(first, switched + kPeriodUs + kSchedulerAllowanceUs) << "the first push came "
                                                                    << (first - switched) / 1000 << " ms late";
    panel.Control("ButtonUncheck").Click();
    ASSERT_TRUE(e2e::Becomes([&] { return panel.Control(box).Checked(); }, false));
  }
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(FollowModes, SwitchedOnWithAWindowAsTargetTheMouseIsFollowedOnTheDesktop) {
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  auto panel = e2e::Panel::Start();
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  const SIZE size = e2e::ClientSize(target.Main());

  // The desktop becomes the target first; the rectangle keeps its size and
  // moves with the cursor in desktop coordinates.
  e2e::input::MoveMouse({600, 400});
  uint32_t mark = e2e::JournalMark();
  panel.Control("CheckBoxAutoMouse").Click();
  const std::string rectangle = "*, *, " + std::to_string(size.cx) + ", " + std::to_string(size.cy);
  EXPECT_FALSE(WaitForTickPush(panel, mark, {"NOLB_Lock", e2e::DesktopTarget(rectangle),
                                             "NOLB_SetMousePos(600, 400)", "NOLB_Enabled(1)", "NOLB_Unlock"})
                   .empty());
  const NolbStateView pushed = panel.Library().State();
  EXPECT_TRUE(pushed.x <= 600 && 600 < pushed.x + pushed.width && pushed.y <= 400 && 400 < pushed.y + pushed.height)
      << pushed.x << ", " << pushed.y;
  EXPECT_EQ(panel.Control("EditWindowCaption").Text(), L"Desktop");
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(FollowModes, ASizePresetWhileFollowingTheMouseAppliesAndFollowingGoesOn) {
  auto panel = e2e::Panel::Start();
  FollowTheMouseAt(panel, {600, 400});
  EXPECT_EQ(panel.Control("EditWidth").Text(), L"320");

  // The size-preset hotkey chooses from the list even while it is locked.
  uint32_t mark = e2e::JournalMark();
  panel.Control("ComboBoxSize").Select(L"640, 480");
  e2e::CallLog applied(panel, mark);
  EXPECT_TRUE(e2e::Matches(applied.WaitForCall("NOLB_SetMode"), "NOLB_SetMode(*, *, *, *, *, *)"));
  uint32_t afterApply = e2e::JournalMark();
  EXPECT_FALSE(WaitForTickPush(panel, afterApply,
                               {"NOLB_Lock", e2e::DesktopTarget("*, *, 640, 480"),
                                "NOLB_SetMousePos(600, 400)", "NOLB_Enabled(1)", "NOLB_Unlock"})
                   .empty());
  EXPECT_TRUE(panel.Control("CheckBoxAutoMouse").Checked());
  EXPECT_EQ(panel.Control("EditWidth").Text(), L"640");
  panel.Activate();
  e2e::input::Chord({VK_CONTROL, 'Z'});
  e2e::Settle(panel);
  EXPECT_EQ(panel.Control("EditWidth").Text(), L"640") << "no undo while a mode follows";
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(FollowModes, ExitWhileFollowingEndsWithTheExitSequenceAndNoTickAfterIt) {
  auto panel = e2e::Panel::Start();
  uint32_t mark = e2e::JournalMark();
  FollowTheMouseAt(panel, {640, 480});
  ASSERT_TRUE(e2e::Eventually([&] { return TickPushes(panel, mark).size() >= 3; }, "three tick pushes"));

  const DWORD gui = GuiThread(panel);
  EXPECT_EQ(panel.Close(), 0u);
  auto calls = e2e::CallsSince(panel, mark);
  // The exit's own push is the last group the GUI thread opened.
  auto exitPush = calls.end();
  for (auto call = calls.begin(); call != calls.end(); ++call) {
    if (call->function == "NOLB_Lock" && call->threadId == gui) exitPush = call;
  }
  ASSERT_NE(exitPush, calls.end());
  std::vector<e2e::Call> tail(exitPush, calls.end());
  EXPECT_TRUE(e2e::CallsAre(tail, {"NOLB_Lock", "NOLB_SetMode", e2e::DesktopTarget(), "NOLB_Enabled(1)",
                                   "NOLB_Unlock", kWithdrawCursor, "NOLB_Enabled(0)", "NOLB_Uninit"}));
}

TEST(FollowModes, WindowSizeFollowingTracksTheWindowUntilItCloses) {
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  auto panel = e2e::Panel::Start();
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  const int32_t handle = e2e::HandleArg(target.Main());

  uint32_t mark = e2e::JournalMark();
  panel.Control("CheckBoxAutoWindow").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Control("CheckBoxAutoWindow").Checked(); }, "the box is checked"));
  ExpectEnabled(panel, {"CheckBoxAutoMouse", "CheckBoxMouseCenter"}, false);
  ExpectEnabled(panel, kLockedWhileFollowing, false);

  SetWindowPos(target.Main().Handle(), nullptr, 0, 0, 500, 360, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SIZE size = e2e::ClientSize(target.Main());
  const std::string followed = e2e::SetTargetCall(handle, 0, 0, size.cx, size.cy);
  EXPECT_FALSE(WaitForTickPush(panel, mark, {"NOLB_Lock", followed, "NOLB_Enabled(1)", "NOLB_Unlock"}).empty());
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(0, 0, size.cx, size.cy)));

  // Closed: the pushes stop, and the target watch switches the mode off.
  EXPECT_EQ(target.Close(), 0u);
  uint32_t closed = e2e::JournalMark();
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("CheckBoxAutoWindow").Checked(); }, false));
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("EditWindowCaption").Text(); }, std::wstring(L"Desktop")));
  LetTheGuiThreadTick(panel, e2e::JournalMark());
  EXPECT_TRUE(TickCalls(panel, closed).empty());
  ExpectEnabled(panel, {"CheckBoxAutoMouse", "CheckBoxMouseCenter", "ButtonDesktop", "EditX"}, true);
  EXPECT_EQ(panel.Close(), 0u);
}

// Following at the file's period, free to leave the screen; then from the
// menu, each at once: smoothly, a jump of the cursor is followed over several
// ticks, never past, within a second; kept on the screen, the rectangle ends
// at the monitor's edge; the other period. All three are kept at exit.
TEST(FollowModes, ThePaceTheGlideAndTheScreenEdgeSetFromTheMenuAtOnce) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nCentreCursor=1\r\nRealtimeInterval=16\r\n"});
  FollowTheMouseAt(panel, {1, 1});
  EXPECT_TRUE(e2e::Becomes([&] { return PushedCorner(panel); }, std::vector<int32_t>{-159, -119}));
  EXPECT_NEAR(MedianIntervalMs(panel), 16, 3);

  const uint32_t mark = e2e::JournalMark();
  ChooseFromMenu(panel, 'O', 'S');
  const std::vector<int32_t> jumpedTo{1000, 800}, goal{840, 680};
  e2e::input::MoveMouse({jumpedTo[0], jumpedTo[1]});
  ASSERT_TRUE(e2e::Becomes([&] { return PushedCorner(panel); }, goal));
  const std::vector<MousePush> pushes = MousePushes(panel, mark);
  const auto moved = std::find_if(pushes.begin(), pushes.end(), [&](const MousePush& p) { return p.corner[0] != -159; });
  const auto arrived = std::find_if(moved, pushes.end(), [&](const MousePush& p) { return p.corner == goal; });
  ASSERT_NE(arrived, pushes.end());
  EXPECT_GE(arrived - moved, 4) << "the rectangle glides over several ticks";
  EXPECT_LE(arrived->microseconds - moved->microseconds, 1'000'000u) << "it arrives within a second";
  EXPECT_EQ(arrived->cursor, jumpedTo);
  for (size_t i = 1; i < pushes.size(); ++i) {
    for (size_t axis : {0, 1}) {
      const int32_t before = pushes[i - 1].corner[axis], after = pushes[i].corner[axis];
      EXPECT_TRUE(before <= after && after <= goal[axis]) << "axis " << axis << ": " << before << " to " << after;
    }
  }

  ChooseFromMenu(panel, 'O', 'K');
  const POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
  e2e::input::MoveMouse(corner);
  EXPECT_TRUE(e2e::Becomes([&] { return PushedCorner(panel); }, std::vector<int32_t>{corner.x - 319, corner.y - 239}));
  ChooseFromMenu(panel, 'O', 'I', '3');
  EXPECT_NEAR(MedianIntervalMs(panel), 33, 4);
  EXPECT_EQ(panel.Close(), 0u);
  for (const auto& [key, value] : {std::pair{L"RealtimeInterval", L"33"}, {L"SmoothFollow", L"1"}, {L"KeepOnScreen", L"1"}}) {
    EXPECT_EQ(panel.Setting(L"Main", key), std::optional<std::wstring>(value)) << key;
  }
}

}  // namespace
