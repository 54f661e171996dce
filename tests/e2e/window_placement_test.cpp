// Where the main window opens: a stored place that lies on no monitor, and
// the place that an exit saves and the next start restores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "harness/panel_session.h"

namespace {

std::vector<int> PlaceOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

RECT PrimaryWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcWork;
}

TEST(WindowPlacement, APlaceOffEveryMonitorComesBackAndIsKeptThroughAMinimisedExit) {
  // Stored on a monitor to the lower right that is no longer there.
  auto first = e2e::Panel::Start({.settings = "[Main]\r\nLeft=5000\r\nTop=3000\r\n"});
  e2e::Window main = first.MainWindow();
  RECT shown = main.Rect();
  RECT work = PrimaryWorkArea();
  EXPECT_EQ(shown.right, work.right);
  EXPECT_EQ(shown.bottom, work.bottom);

  // Minimised at exit, the window saves the place it had, as the next start
  // restores it.
  ShowWindow(main.Handle(), SW_MINIMIZE);
  ASSERT_TRUE(e2e::Eventually([&] { return IsIconic(main.Handle()) != FALSE; }, "the window is minimised"));
  ASSERT_EQ(first.Close(), 0u);
  EXPECT_EQ(first.Setting(L"Main", L"Left"), std::to_wstring(shown.left));
  EXPECT_EQ(first.Setting(L"Main", L"Top"), std::to_wstring(shown.top));

  auto second = e2e::Panel::Start(e2e::CarriedOver(first));
  EXPECT_EQ(PlaceOf(second.MainWindow().Rect()), PlaceOf(shown));
}

}  // namespace
