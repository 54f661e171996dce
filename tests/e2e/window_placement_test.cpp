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

// Larger caption and border metrics for the life of the object, for every
// program started meanwhile; the old ones come back at the end.
class LargerFrameMetrics {
 public:
  LargerFrameMetrics() {
    old_.cbSize = sizeof old_;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof old_, &old_, 0);
    NONCLIENTMETRICSW larger = old_;
    larger.iCaptionHeight += 12;
    larger.iMenuHeight += 6;
    larger.iBorderWidth += 3;
    changed_ = SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger,
                                     SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
  }
  ~LargerFrameMetrics() {
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof old_, &old_, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
  bool Changed() const { return changed_; }

 private:
  NONCLIENTMETRICSW old_{};
  bool changed_ = false;
};

TEST(WindowPlacement, TheLayoutFitsInsideWhateverTheFrameMetricsAndTheOuterSizeIsSaved) {
  LargerFrameMetrics metrics;
  ASSERT_TRUE(metrics.Changed());
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();

  RECT client = main.ClientRect();
  RECT apply = panel.Control("ButtonApply").Rect();
  RECT settings = panel.Control("GroupBoxSettings").Rect();
  // An 8-pixel margin right of the group boxes and below the buttons.
  EXPECT_GE(client.right - settings.right, 8);
  EXPECT_GE(client.bottom - apply.bottom, 8);
  RECT outer = main.Rect();
  EXPECT_GE(outer.right - outer.left, 289);
  EXPECT_GE(outer.bottom - outer.top, 487);

  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"Width"), std::to_wstring(outer.right - outer.left));
  EXPECT_EQ(panel.Setting(L"Main", L"Height"), std::to_wstring(outer.bottom - outer.top));
}

}  // namespace
