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
  struct Case {
    const char* control;
    bool enabled;
    std::wstring hint;
  };
  for (const Case& c : {Case{"ButtonDisable", true, L"NOLBを無効化しWMEの取り込み範囲に戻します"},
                        Case{"ButtonHide", false, L"このウィンドウを非表示にします"}}) {
    e2e::Window control = panel.Control(c.control);
    ASSERT_EQ(control.Enabled(), c.enabled) << c.control;
    e2e::input::MoveMouse(control.Center());
    EXPECT_TRUE(e2e::Becomes([&] { return ShownHint(panel); }, c.hint)) << c.control;
  }
}

}  // namespace
