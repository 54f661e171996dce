// The panel on two monitors: a 1280 x 1024 primary and a 1024 x 768 monitor
// left of it, at x = -1024 .. -1 (scripts/two-monitors.sh makes them).
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"
#include "marker_windows.h"
#include "preview_windows.h"

namespace {

constexpr RECT kLeftMonitor{-1024, 0, 0, 768};
constexpr RECT kVirtualScreen{-1024, 0, 1280, 1024};
// What the selection window shows where no monitor is.
constexpr COLORREF kNothingShown = RGB(32, 32, 32);

std::vector<long> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

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

  // Clicks the button and waits until the selection window shows its picture.
  static e2e::Window StartSelection(const e2e::Panel& panel, std::string_view button) {
    panel.Control(button).Click();
    for (const auto& window : panel.TopLevelWindows()) {
      if (window.ClassName() != L"TFormSelect") continue;
      if (!e2e::WaitUntil([&] { return window.Visible() && e2e::Opacity(window) == 255; })) break;
      return window;
    }
    throw e2e::HarnessError("the selection window did not come up");
  }
};

TEST_F(TwoMonitors, ARangeDraggedOnTheLeftMonitorIsAppliedWithNegativeX) {
  constexpr COLORREF kColour = RGB(30, 160, 90);
  auto helper = e2e::TargetWindow::Start({.frame = {-900, 400, -500, 700}, .background = kColour});
  auto panel = e2e::Panel::Start();
  const POINT inHelper{e2e::ClientOrigin(helper.Main()).x + 250, e2e::ClientOrigin(helper.Main()).y + 150};
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(inHelper); }, kColour));
  uint32_t mark = e2e::JournalMark();

  e2e::input::MoveMouse({-800, 100});
  e2e::Window window = StartSelection(panel, "ButtonSetRange");
  EXPECT_EQ(Edges(window.Rect()), Edges(kVirtualScreen)) << "over both monitors";
  // The frozen picture holds the window on the left monitor, and below
  // that monitor, where no monitor shows anything, it is dark.
  EXPECT_EQ(e2e::ScreenPixel(inHelper), kColour);
  EXPECT_EQ(e2e::ScreenPixel({-500, 900}), kNothingShown);

  e2e::input::SettleMouse({-800, 100});
  e2e::input::MouseDownAt({-800, 100});
  for (POINT p : {POINT{-700, 200}, POINT{-600, 300}}) e2e::input::MoveMouse(p);
  if (const char* shots = std::getenv("NOLB_TWO_MONITORS_SHOT")) e2e::SaveScreenshot(shots);
  e2e::input::MouseUpAt({-600, 300});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), -800, 100, 201, 201)));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(-800, 100, 201, 201));
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
  StartSelection(panel, "ButtonSetPos");
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

}  // namespace
