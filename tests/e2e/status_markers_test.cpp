// The capture-range markers: where they stand, when they are shown, that
// they let the mouse through, stay shown while the main window is minimised,
// and blink with a see-through background.
#include <gtest/gtest.h>

#include "harness/call_log.h"
#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"
#include "marker_windows.h"

namespace {

using namespace std::chrono_literals;

e2e::Panel StartWithRange(int x, int y, int width, int height) {
  auto panel = e2e::Panel::Start({.settings = e2e::MainSettings(x, y, width, height, true)});
  if (!e2e::WaitUntil([&] { return e2e::VisibleMarkerCount(panel) == 4; })) {
    ADD_FAILURE() << "the four markers are not shown";
  }
  return panel;
}

TEST(RangeMarkers, FourUnownedTopmostWindowsThatNeverActivate) {
  auto panel = StartWithRange(10, 20, 320, 240);
  auto markers = e2e::MarkerWindows(panel);
  ASSERT_EQ(markers.size(), 4u);
  for (const auto& marker : markers) {
    RECT r = marker.Rect();
    EXPECT_EQ(r.right - r.left, e2e::kMarkerSide) << marker.Describe();
    EXPECT_EQ(r.bottom - r.top, e2e::kMarkerSide) << marker.Describe();
    EXPECT_EQ(GetWindow(marker.Handle(), GW_OWNER), nullptr) << marker.Describe();
    LONG exStyle = GetWindowLongW(marker.Handle(), GWL_EXSTYLE);
    EXPECT_EQ(exStyle & 0x08080020, 0x08080020) << marker.Describe();
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST) << marker.Describe();
    EXPECT_EQ(GetWindowLongW(marker.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0) << marker.Describe();
  }
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(RangeMarkers, FrameTheDesktopRectangleAndParkWhenDisabled) {
  auto panel = StartWithRange(10, 20, 320, 240);
  const e2e::Corners around{{-22, -12}, {330, -12}, {-22, 260}, {330, 260}};
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, around));

  panel.Control("ButtonDisable").Click();
  const long parkedX = GetSystemMetrics(SM_XVIRTUALSCREEN) - 1000;
  const long parkedY = GetSystemMetrics(SM_YVIRTUALSCREEN) - 1000;
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::Corners{{parkedX, parkedY}}));
  EXPECT_EQ(e2e::VisibleMarkerCount(panel), 4) << "parked markers stay shown";

  panel.Control("ButtonApply").Click();
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, around));
  EXPECT_EQ(panel.Close(), 0u);
}

// Whether a screen pixel shows a marker's triangle outline: black in one
// phase of the blinking, white in the other.
bool ShowsOutline(POINT at) {
  COLORREF colour = e2e::ScreenPixel(at);
  return colour == RGB(0, 0, 0) || colour == RGB(255, 255, 255);
}

// The redirection switched off and on by clicks on the two buttons, with a
// new rectangle each time: every time, all four markers reach the place the
// watch computes, on the screen too (marker 3's first pixel, the corner of
// its triangle, lies over the bare desktop). Each click must land on its
// button, although under Wine the cursor is often sent back to the previous
// button for a moment.
TEST(RangeMarkers, ParkAndComeBackEachTimeTheButtonsAreClicked) {
  auto panel = StartWithRange(10, 20, 320, 240);
  const e2e::Corners parked{{GetSystemMetrics(SM_XVIRTUALSCREEN) - 1000, GetSystemMetrics(SM_YVIRTUALSCREEN) - 1000}};
  panel.Activate();
  for (int round = 0; round < 12; ++round) {
    const int x = 40 + 17 * round, y = 30 + 11 * round;
    e2e::SetRectangleEdits(panel, x, y, 300, 200);
    e2e::input::Click(panel.Control("ButtonApply").Center());
    ASSERT_TRUE(e2e::Becomes([&] { return panel.Library().State().enabled; }, 1)) << "round " << round;
    ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(x, y, 300, 200)))
        << "round " << round;
    const POINT corner{x + 300, y + 200};
    ASSERT_TRUE(e2e::Eventually([&] { return ShowsOutline(corner); }, "marker 3 shows at its place"))
        << "round " << round;
    e2e::input::Click(panel.Control("ButtonDisable").Center());
    ASSERT_TRUE(e2e::Becomes([&] { return panel.Library().State().enabled; }, 0)) << "round " << round;
    ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, parked)) << "round " << round;
    ASSERT_TRUE(e2e::Eventually([&] { return !ShowsOutline(corner); }, "marker 3 has left the screen"))
        << "round " << round;
  }
  EXPECT_EQ(panel.Close(), 0u);
}

// A marker that the system has put elsewhere (here: another program moves
// it) stands at its place again after the watch's next tick.
TEST(RangeMarkers, AMarkerPutElsewhereIsPlacedAgain) {
  auto panel = StartWithRange(400, 300, 320, 240);
  const e2e::Corners around = e2e::CornersAround(400, 300, 320, 240);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, around));
  for (const auto& marker : e2e::MarkerWindows(panel)) {
    SetWindowPos(marker.Handle(), nullptr, 600, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, around));

  panel.Control("ButtonDisable").Click();
  const e2e::Corners parked{{GetSystemMetrics(SM_XVIRTUALSCREEN) - 1000, GetSystemMetrics(SM_YVIRTUALSCREEN) - 1000}};
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, parked));
  for (const auto& marker : e2e::MarkerWindows(panel)) {
    SetWindowPos(marker.Handle(), nullptr, 600, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, parked));
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(RangeMarkers, FrameAWindowsRectangleAndFollowTheWindow) {
  auto target = e2e::StartTargetBesidePanel();
  auto panel = StartWithRange(0, 0, 320, 240);
  e2e::CallLog log(panel);
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  log.WaitForPush();

  log.Mark();
  panel.Control("EditX").SetText(L"10");
  panel.Control("EditY").SetText(L"20");
  panel.Control("EditWidth").SetText(L"100");
  panel.Control("EditHeight").SetText(L"80");
  panel.Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::IsPush(log.WaitForPush(), "NOLB_SetMode(*, *, *, *, *, *)",
                          e2e::SetTargetCall(e2e::HandleArg(target.Main()), 10, 20, 100, 80)));
  POINT origin = e2e::ClientOrigin(target.Main());
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); },
                           e2e::CornersAround(origin.x + 10, origin.y + 20, 100, 80)));

  // The markers follow the window's client area, not the place it had.
  SetWindowPos(target.Main().Handle(), nullptr, 500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::ClientOrigin(target.Main()).x != origin.x; }, "the target moves"));
  origin = e2e::ClientOrigin(target.Main());
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); },
                           e2e::CornersAround(origin.x + 10, origin.y + 20, 100, 80)));
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(RangeMarkers, FollowTheMenuCheckWhichSurvivesARestart) {
  auto panel = e2e::Panel::Start();
  ASSERT_EQ(e2e::MarkerWindows(panel).size(), 4u);
  EXPECT_EQ(e2e::VisibleMarkerCount(panel), 0) << "the range display is off without a settings file";

  panel.Menu('S', 'T');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::VisibleMarkerCount(panel); }, 4));
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(0, 0, 320, 240)));
  EXPECT_NE(GetForegroundWindow(), nullptr);
  EXPECT_EQ(GetForegroundWindow(), panel.MainWindow().Handle()) << "showing the markers took the focus";
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"ShowRange"), std::optional<std::wstring>(L"1"));

  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::VisibleMarkerCount(again); }, 4));
  again.Menu('S', 'T');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::VisibleMarkerCount(again); }, 0));
  EXPECT_EQ(again.Close(), 0u);
  EXPECT_EQ(again.Setting(L"Main", L"ShowRange"), std::optional<std::wstring>(L"0"));
}

TEST(RangeMarkers, LetAClickThroughToTheWindowBelow) {
  // Marker 0 stands over the target window's client area.
  auto target = e2e::StartTargetBesidePanel();
  POINT origin = e2e::ClientOrigin(target.Main());
  auto panel = StartWithRange(origin.x + 150, origin.y + 150, 100, 100);
  const e2e::Corners around = e2e::CornersAround(origin.x + 150, origin.y + 150, 100, 100);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, around));
  panel.Activate();

  // A pixel of marker 0's triangle, next to the rectangle's corner.
  POINT onTriangle{origin.x + 150 - 2, origin.y + 150 - 2};
  EXPECT_EQ(WindowFromPoint(onTriangle), target.Main().Handle());
  e2e::QuickClick(onTriangle);
  EXPECT_TRUE(e2e::Becomes([] { return GetForegroundWindow(); }, target.Main().Handle()));
  for (const auto& marker : e2e::MarkerWindows(panel)) EXPECT_NE(GetForegroundWindow(), marker.Handle());
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(RangeMarkers, StayShownWhileTheMainWindowIsMinimised) {
  auto panel = StartWithRange(100, 100, 320, 240);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(100, 100, 320, 240)));
  e2e::Window main = panel.MainWindow();
  main.Post(WM_SYSCOMMAND, SC_MINIMIZE);
  ASSERT_TRUE(e2e::Eventually([&] { return IsIconic(main.Handle()) != FALSE; }, "the main window is minimised"));
  e2e::Settle(panel);
  EXPECT_EQ(e2e::VisibleMarkerCount(panel), 4);
  EXPECT_EQ(e2e::MarkerCorners(panel), e2e::CornersAround(100, 100, 320, 240));

  main.Post(WM_SYSCOMMAND, SC_RESTORE);
  ASSERT_TRUE(e2e::Eventually([&] { return IsIconic(main.Handle()) == FALSE; }, "the main window is restored"));
  EXPECT_EQ(e2e::VisibleMarkerCount(panel), 4);
  EXPECT_EQ(panel.Close(), 0u);
}

// Whether window a lies above window b in the z-order.
bool Above(HWND a, HWND b) {
  for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == b) return true;
  }
  return false;
}

TEST(RangeMarkers, ComeBackOnTopOfAnotherTopmostWindow) {
  auto panel = StartWithRange(400, 300, 320, 240);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(400, 300, 320, 240)));
  // A topmost window of the test's own, put over the markers at the top of
  // the topmost windows.
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 300, 200, 520, 440,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(cover, nullptr);
  SetWindowPos(cover, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  for (const auto& marker : e2e::MarkerWindows(panel)) {
    EXPECT_TRUE(e2e::Eventually([&] { return Above(marker.Handle(), cover); }, "the marker is above the cover", 3s))
        << marker.Describe();
  }
  DestroyWindow(cover);
  EXPECT_EQ(panel.Close(), 0u);
}

// The screen's colour at a point, as 0x00RRGGBB.
COLORREF ScreenColor(POINT at) {
  HDC screen = GetDC(nullptr);
  COLORREF color = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}

TEST(RangeMarkers, BlinkAndShowWhatLiesBehindTheirBackground) {
  auto panel = StartWithRange(400, 300, 320, 240);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::MarkerCorners(panel); }, e2e::CornersAround(400, 300, 320, 240)));
  // Marker 0 ends at (399, 299): its corner pixel is the triangle's outline,
  // black in one phase and white in the other; its far corner is lime, which
  // is see-through.
  const POINT outline{399, 299};
  const POINT background{400 - 32, 300 - 32};
  const POINT beside{400 - 34, 300 - 34};
  bool black = false;
  bool white = false;
  EXPECT_TRUE(e2e::Eventually(
      [&] {
        COLORREF color = ScreenColor(outline);
        black = black || color == 0x000000;
        white = white || color == 0xFFFFFF;
        return black && white;
      },
      "the triangle's outline turns black and white"))
      << "black seen: " << black << ", white seen: " << white;
  EXPECT_NE(ScreenColor(background), 0x00FF00u);
  EXPECT_EQ(ScreenColor(background), ScreenColor(beside));
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
