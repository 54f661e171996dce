// The window layer's own faults: the default error report for errors that
// are not the program's, and hints over disabled controls.
#include <gtest/gtest.h>

#include <new>
#include <thread>

#include "harness/e2e.h"
#include "ui/error_report_win.h"

namespace {

// The text of the report that an error raised by action shows (reported on a
// thread of this program, answered with OK).
template <typename F>
std::string ReportOf(F action) {
  std::thread reporter([&] { ui::ReportingErrors(nullptr, action); });
  auto box = e2e::WaitForMessageBox(GetCurrentProcessId());
  std::string text = box ? e2e::Utf8(box->Title()) + ": " + e2e::Utf8(box->Text()) : "no report";
  if (box) box->Press(IDOK);
  reporter.join();
  return text;
}

TEST(WindowLayer, AnErrorNotTheProgramsOwnIsReportedInJapaneseWithItsDetail) {
  EXPECT_EQ(ReportOf([] { throw std::bad_alloc(); }), "NOLB: 予期しないエラーが発生しました (std::bad_alloc)");
  EXPECT_EQ(ReportOf([] { throw 1; }), "NOLB: 予期しないエラーが発生しました.");
}

// The tool tip shown now among the panel's windows, empty when none is.
std::wstring ShownHint(const e2e::Panel& panel) {
  for (const e2e::Window& window : panel.TopLevelWindows()) {
    if (window.ClassName() == L"tooltips_class32" && window.Visible()) return window.Text();
  }
  return L"";
}

TEST(WindowLayer, HintsShowOverEnabledAndDisabledControls) {
  auto panel = e2e::Panel::Start();
  panel.Activate();
  const std::wstring hideHint = L"このウィンドウを非表示にします";
  const std::wstring disableHint = L"NOLBを無効化しWMEの取り込み範囲に戻します";
  ASSERT_FALSE(panel.Control("ButtonHide").Enabled());
  for (const auto& [control, hint] : {std::pair{"ButtonHide", hideHint}, std::pair{"ButtonDisable", disableHint}}) {
    // From outside the window, so that no hint is shown when the mouse arrives.
    e2e::input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
    EXPECT_TRUE(e2e::Becomes([&] { return ShownHint(panel); }, std::wstring()));
    e2e::input::MoveMouse(panel.Control(control).Center());
    EXPECT_TRUE(e2e::Becomes([&] { return ShownHint(panel); }, hint)) << control;
  }
}

}  // namespace
