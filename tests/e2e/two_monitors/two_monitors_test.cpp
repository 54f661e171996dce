// The panel on two monitors: a 1280 x 1024 primary and a 1024 x 768 monitor
// left of it (scripts/two-monitors.sh makes them), at x = -1024 .. -1, or as
// Windows reports monitors of different scaling, 100 pixels further left or
// 100 pixels over the primary (NOLB_TWO_MONITORS_LAYOUT "gap", "overlap").
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"
#include "marker_windows.h"
#include "preview_windows.h"

namespace {

const std::string kLayout = std::getenv("NOLB_TWO_MONITORS_LAYOUT") ? std::getenv("NOLB_TWO_MONITORS_LAYOUT") : "";
const long kLeft = kLayout == "gap" ? -1124 : kLayout == "overlap" ? -924 : -1024;
constexpr RECT kPrimaryMonitor{0, 0, 1280, 1024};
const RECT kLeftMonitor{kLeft, 0, kLeft + 1024, 768};
const RECT kVirtualScreen{kLeft, 0, 1280, 1024};

std::vector<long> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
bool Inside(const RECT& r, const RECT& m) {
  RECT both;
  return IntersectRect(&both, &r, &m) && EqualRect(&both, &r);
}

class TwoMonitors : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("NOLB_TWO_MONITORS_DISPLAY")) {
      GTEST_SKIP() << "no display with two monitors: ./test.sh makes one (as root)";
    }
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    ASSERT_EQ(Edges(screen), Edges(kVirtualScreen));
  }
};

// One selection window per monitor, each exactly its monitor, so that
// Windows scales each by its own monitor's factor; a range dragged from one
// into the other (across the gap, where there is one) is drawn on both and
// applied in screen coordinates, the cursor's.
TEST_F(TwoMonitors, OneSelectionWindowPerMonitorAndARangeDraggedAcrossBoth) {
  constexpr COLORREF kColour = RGB(30, 160, 90);
  auto helper = e2e::TargetWindow::Start({.frame = {-900, 400, -500, 700}, .background = kColour});
  auto panel = e2e::Panel::Start();
  const POINT inHelper{e2e::ClientOrigin(helper.Main()).x + 250, e2e::ClientOrigin(helper.Main()).y + 150};
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(inHelper); }, kColour));
  uint32_t mark = e2e::JournalMark();

  e2e::input::MoveMouse({-800, 100});
  std::vector<std::vector<long>> windows;
  for (const e2e::Window& window : e2e::StartSelection(panel, "ButtonSetRange")) windows.push_back(Edges(window.Rect()));
  std::sort(windows.begin(), windows.end());
  EXPECT_EQ(windows, (std::vector<std::vector<long>>{Edges(kLeftMonitor), Edges(kPrimaryMonitor)}));
  EXPECT_EQ(e2e::ScreenPixel(inHelper), kColour) << "the frozen picture of the left monitor";
  // Points on the range's top edge, one on each monitor, as frozen.
  const POINT onLeft{-300, 100}, onPrimary{200, 100};
  const COLORREF left = e2e::ScreenPixel(onLeft), primary = e2e::ScreenPixel(onPrimary);

  e2e::input::SettleMouse({-800, 100});
  e2e::input::MouseDownAt({-800, 100});
  for (POINT p : {POINT{-400, 200}, POINT{300, 400}}) e2e::input::MoveMouse(p);
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(onLeft); }, e2e::Inverted(left)));
  EXPECT_EQ(e2e::ScreenPixel(onPrimary), e2e::Inverted(primary)) << "the outline on both windows";
  if (const char* shots = std::getenv("NOLB_TWO_MONITORS_SHOT")) e2e::SaveScreenshot(shots);
  e2e::input::MouseUpAt({300, 400});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), -800, 100, 1101, 301)));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(-800, 100, 1101, 301));
  EXPECT_TRUE(e2e::Eventually([&] { return e2e::SelectionClosed(panel); }, "both windows close"));
}

TEST_F(TwoMonitors, ThePickerFramesAWindowOnTheLeftMonitor) {
  constexpr COLORREF kColour = RGB(200, 60, 40);
  auto helper = e2e::TargetWindow::Start({.frame = {-900, 400, -500, 700}, .background = kColour});
  auto panel = e2e::Panel::Start();
  const POINT origin = e2e::ClientOrigin(helper.Main());
  const POINT band{origin.x + 150, origin.y + 1};  // in the frame's top band, clear of the child
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(band); }, kColour));
  {
    e2e::PickerDrag drag(panel);
    drag.Over(e2e::InsideMainNotChild(helper), e2e::TargetCaption(helper.Main()));
    EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(band); }, e2e::Inverted(kColour)));
    drag.Release();
  }
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(band); }, kColour)) << "the frame is erased";
}

TEST_F(TwoMonitors, APositionPlacedOnTheLeftMonitorAndTheMarkersStandThere) {
  auto panel = e2e::Panel::Start({.settings = e2e::MainSettings(0, 0, 320, 240, true)});
  uint32_t mark = e2e::JournalMark();
  e2e::StartSelection(panel, "ButtonSetPos");
  e2e::input::Click({-500, 400});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), -660, 280, 320, 240)));
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(-660, 280, 320, 240)));
}

TEST_F(TwoMonitors, TheMainWindowAndThePreviewClosedOnTheLeftMonitorComeBackThere) {
  auto first = e2e::Panel::Start();
  e2e::Window preview = e2e::TogglePreview(first, true);
  SetWindowPos(first.MainWindow().Handle(), nullptr, -900, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(preview.Handle(), nullptr, -600, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(e2e::Eventually([&] { return first.MainWindow().Rect().left == -900 && preview.Rect().left == -600; },
                              "both windows on the left monitor"));
  ASSERT_EQ(first.Close(), 0u);

  auto second = e2e::Panel::Start(e2e::CarriedOver(first));
  RECT main = second.MainWindow().Rect();
  EXPECT_EQ(main.left, -900);
  EXPECT_EQ(main.top, 50);
  RECT shown = e2e::TogglePreview(second, true).Rect();
  EXPECT_EQ(shown.left, -600);
  EXPECT_EQ(shown.top, 300);
}

TEST_F(TwoMonitors, LayeredWindowCaptureIsDisabledAndSavedOff) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nShowAlphaWindow=1\r\n"});
  e2e::Window box = panel.Control("CheckBoxShowAlphaWindow");
  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(box.Checked());
  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"ShowAlphaWindow"), L"0");
}

TEST_F(TwoMonitors, MouseFollowingCrossesToTheLeftMonitor) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nsWidth=200\r\nsHeight=100\r\nCentreCursor=1\r\n"});
  e2e::input::MoveMouse({700, 500});
  panel.Control("CheckBoxAutoMouse").Click();
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(600, 450, 200, 100)));

  e2e::input::MoveMouse({-500, 300});
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(-600, 250, 200, 100)));
  EXPECT_TRUE(e2e::Eventually([&] { return panel.Library().State().x == -600; }, "the library follows"));
  panel.Control("ButtonUncheck").Click();
}

TEST_F(TwoMonitors, TheWindowListOpensOnTheMainWindowsMonitorNoLargerThanIt) {
  // Centred on the main window it would reach past the left monitor's edge,
  // where no monitor is, and its top above the screen.
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nLeft=" + std::to_string(kLeft + 24) + "\r\nTop=50\r\n"
                                              "[WindowList]\r\nWidth=800\r\nHeight=900\r\n"});
  panel.Activate();
  e2e::input::Chord({VK_CONTROL, 'L'});
  // Made at the screen's corner, it is placed as it shows.
  EXPECT_TRUE(e2e::Becomes([&] { return Edges(panel.Control("TreeWindows").Parent().Rect()); },
                           Edges(RECT{kLeft, 0, kLeft + 800, 768})));
  e2e::input::Press(VK_ESCAPE);
}

// Kept on the screen, the rectangle ends at the edges of the monitor the
// cursor is on, not at the virtual screen's (whose bottom lies 256 lower),
// also while it glides there from the primary: no rectangle on the way hangs
// across both. A cursor in the gap keeps it on the nearest monitor.
TEST_F(TwoMonitors, MouseFollowingKeptOnTheScreenStaysOnTheCursorsMonitor) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nCentreCursor=1\r\nKeepOnScreen=1\r\nSmoothFollow=1\r\n"});
  const uint32_t mark = e2e::JournalMark();
  e2e::input::MoveMouse({std::min(kLeftMonitor.right, 0L) - 1, kLeftMonitor.bottom - 1});
  panel.Control("CheckBoxAutoMouse").Click();
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); },
                           e2e::RectangleTexts(kLeftMonitor.right - 320, 528, 320, 240)));
  e2e::input::MoveMouse({kLeftMonitor.left, kLeftMonitor.top});
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(kLeft, 0, 320, 240)));
  if (kLayout == "gap") {
    e2e::input::MoveMouse({-30, 500});
    EXPECT_TRUE(e2e::Becomes([&] { return e2e::RectangleEdits(panel); }, e2e::RectangleTexts(0, 380, 320, 240)));
  }
  panel.Control("ButtonUncheck").Click();
  for (const e2e::Call& push : e2e::Named(e2e::CallsSince(panel, mark), "NOLB_SetTarget")) {
    const RECT r{push.args[1], push.args[2], push.args[1] + push.args[3], push.args[2] + push.args[4]};
    EXPECT_TRUE(Inside(r, kPrimaryMonitor) || Inside(r, kLeftMonitor)) << push.ToString();
  }
}

}  // namespace
