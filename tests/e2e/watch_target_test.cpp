// The target watch: a target window that goes away while the redirection is
// on gives way to the desktop with the remembered desktop rectangle; while
// the redirection is off, nothing happens until the next push.
#include <gtest/gtest.h>

#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"
#include "marker_windows.h"

namespace {

using namespace std::chrono_literals;

// The remembered desktop rectangle: the panel starts on the desktop with the
// rectangle of its settings file and applies it.
constexpr int kDeskX = 10, kDeskY = 20, kDeskWidth = 300, kDeskHeight = 200;

struct WatchFixture {
  // The target first, so that the panel opens in front.
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start({.settings = e2e::MainSettings(kDeskX, kDeskY, kDeskWidth, kDeskHeight, false)});

  // Picks the target window with a left drag, which applies its whole client area.
  void PickTarget() {
    e2e::CallLog log(panel);
    e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
    SIZE size = e2e::ClientSize(target.Main());
    ASSERT_TRUE(e2e::IsPush(log.WaitForPush(), "NOLB_SetMode(*, *, *, *, *, *)",
                            e2e::SetTargetCall(e2e::HandleArg(target.Main()), 0, 0, size.cx, size.cy)));
  }

  size_t WatchTicksSince(uint32_t mark) const { return e2e::WatchTicksSince(panel, mark); }

  // The pushes made on the GUI thread; while the window size is followed,
  // the periodic timer's worker pushes as well.
  std::vector<std::vector<e2e::Call>> GuiPushes(const e2e::CallLog& log) const {
    const DWORD gui = GetWindowThreadProcessId(panel.MainWindow().Handle(), nullptr);
    std::vector<e2e::Call> calls = log.Calls();
    std::erase_if(calls, [&](const e2e::Call& call) { return call.threadId != gui; });
    return e2e::Pushes(calls);
  }
};

TEST(TargetWatch, FallsBackToTheDesktopWhenTheTargetCloses) {
  WatchFixture f;
  f.PickTarget();
  e2e::Window followSize = f.panel.Control("CheckBoxAutoWindow");
  followSize.Click();
  ASSERT_TRUE(e2e::Eventually([&] { return followSize.Checked(); }, "the follow-size box is checked"));

  e2e::CallLog log(f.panel);
  EXPECT_EQ(f.target.Close(), 0u);

  std::vector<e2e::Call> push;
  ASSERT_TRUE(e2e::Eventually(
      [&] {
        auto pushes = f.GuiPushes(log);
        if (!pushes.empty()) push = pushes.front();
        return !pushes.empty();
      },
      "the watch's push", 3s));
  EXPECT_TRUE(e2e::IsPush(push, "NOLB_SetMode(*, *, *, *, *, *)",
                          e2e::DesktopTarget("10, 20, 300, 200")));
  EXPECT_TRUE(e2e::Becomes([&] { return f.panel.Control("EditWindowCaption").Text(); }, std::wstring(L"Desktop")));
  EXPECT_FALSE(followSize.Checked());
  EXPECT_EQ(f.panel.Control("EditX").Text(), L"10");
  EXPECT_EQ(f.panel.Control("EditHeight").Text(), L"200");
  NolbStateView state = f.panel.Library().State();
  EXPECT_EQ(state.enabled, 1);
  EXPECT_EQ(state.target, reinterpret_cast<UINT_PTR>(GetDesktopWindow()));
  // One fallback, not one per tick.
  const uint32_t pushed = push.back().sequence;
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(f.panel, pushed) >= 2; },
                              "two ticks of the status line, more than five of the watch"));
  EXPECT_EQ(f.GuiPushes(log).size(), 1u);
  EXPECT_EQ(f.panel.Close(), 0u);
}

// Nothing wakes the panel for the watch while it has nothing to watch: the
// desktop as target never vanishes. A window as target, or shown markers,
// start the watch; the fallback to the desktop stops it again.
TEST(TargetWatch, TicksOnlyWhileATargetWindowOrTheMarkersAreThere) {
  WatchFixture f;
  const auto quietOverTwoStatusTicks = [&] {
    const uint32_t mark = e2e::JournalEnd();
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(f.panel, mark) >= 2; }, "two status ticks"));
    return f.WatchTicksSince(mark) == 0;
  };
  const auto ticking = [&] {
    const uint32_t mark = e2e::JournalEnd();
    return e2e::Eventually([&] { return f.WatchTicksSince(mark) >= 3; }, "three ticks of the target watch");
  };
  EXPECT_TRUE(quietOverTwoStatusTicks()) << "the watch ticks with the desktop as target";

  f.PickTarget();
  EXPECT_TRUE(ticking());
  e2e::CallLog log(f.panel);
  EXPECT_EQ(f.target.Close(), 0u);
  log.WaitForPush();
  EXPECT_TRUE(quietOverTwoStatusTicks()) << "the watch ticks after its fallback to the desktop";

  f.panel.Menu('S', 'T');
  EXPECT_TRUE(ticking());
  f.panel.Menu('S', 'T');
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::VisibleMarkerCount(f.panel); }, 0));
  EXPECT_TRUE(quietOverTwoStatusTicks()) << "the watch ticks after the markers were hidden";
  EXPECT_EQ(f.panel.Close(), 0u);
}

TEST(TargetWatch, WhileDisabledWaitsForTheNextPush) {
  WatchFixture f;
  f.PickTarget();
  const std::wstring caption = f.panel.Control("EditWindowCaption").Text();
  e2e::CallLog log(f.panel);
  f.panel.Control("ButtonDisable").Click();
  log.WaitForCall("NOLB_Enabled(0)");

  log.Mark();
  uint32_t closed = e2e::JournalEnd();
  EXPECT_EQ(f.target.Close(), 0u);
  // The watch stands still while the redirection is off.
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(f.panel, closed) >= 2; }, "two status ticks"));
  EXPECT_EQ(f.WatchTicksSince(closed), 0u);
  EXPECT_TRUE(log.Calls().empty()) << "the panel called " << log.Calls().front().ToString();
  EXPECT_EQ(f.panel.Control("EditWindowCaption").Text(), caption);
  EXPECT_EQ(f.panel.Library().State().enabled, 0);

  // Apply pushes the vanished window and switches the redirection on; the
  // next tick falls back to the desktop.
  f.panel.Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return log.Pushes().size() >= 2; }, "two pushes"));
  auto pushes = log.Pushes();
  EXPECT_TRUE(e2e::Matches(pushes[0][2], "NOLB_SetTarget(" + std::to_string(e2e::HandleArg(f.target.Main())) +
                                             ", *, *, *, *)"))
      << pushes[0][2].ToString();
  EXPECT_TRUE(e2e::IsPush(pushes[1], "NOLB_SetMode(*, *, *, *, *, *)", e2e::DesktopTarget("10, 20, 300, 200")));
  EXPECT_TRUE(e2e::Becomes([&] { return f.panel.Control("EditWindowCaption").Text(); }, std::wstring(L"Desktop")));
  EXPECT_EQ(f.panel.Close(), 0u);
}

}  // namespace
