// The window layer's own faults: the default error report for errors that
// are not the program's, and hints over disabled controls.
#include <gtest/gtest.h>

#include <new>
#include <thread>

#include "harness/e2e.h"
#include "base/error.h"
#include "ui/error_report_win.h"
#include "ui/form_win.h"

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

// While a command runs, reports are kept, the first of them, and none is shown.
TEST(WindowLayer, ReportsWhileACommandRunsAreKeptAndNotShown) {
  const ui::CollectedReports reports;
  EXPECT_FALSE(ui::ReportingErrors(nullptr, [] { throw nolb::Error("'x' は整数ではありません"); }));
  ui::ShowWarning(nullptr, L"登録に失敗しました", L"NOLB");
  EXPECT_TRUE(reports.Any() && reports.First() == "'x' は整数ではありません");
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

// A menu bar with submenus and radio items, made in this process, where its
// menus can be read (another process's cannot be, under Wine).
class MenuForm : public ui::Form {
 public:
  MenuForm() : Form(L"MenuForm") {
    Create({.className = L"TMenuForm"}, {},
           {{.name = L"A", .menu = L"M", .caption = L"A", .autoCheck = true},
            {.name = L"B", .menu = L"M", .caption = L"B", .submenu = L"S", .radio = true},
            {.name = L"C", .menu = L"M", .caption = L"C", .submenu = L"S", .radio = true},
            {.name = L"D", .menu = L"M", .caption = L"D"},
            {.name = L"E", .menu = L"M", .caption = L"E", .submenu = L"S"}});
  }
};

// The items of a menu by their texts, a radio item marked "°", a submenu's
// own items in brackets.
std::wstring Items(HMENU menu) {
  std::wstring items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[32] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 32;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    items += (i ? L" " : L"") + std::wstring(text) + ((info.fType & MFT_RADIOCHECK) ? L"°" : L"");
    if (info.hSubMenu) items += L"[" + Items(info.hSubMenu) + L"]";
  }
  return items;
}

TEST(WindowLayer, MenuItemsGoIntoTheirSubmenusAndRadioItemsShowADot) {
  MenuForm form;
  const HMENU menu = GetSubMenu(GetMenu(form.Handle()), 0);
  EXPECT_EQ(Items(menu), L"A S[B° C°] D S[E]");
  form.Menu(L"C").SetChecked(true);
  EXPECT_EQ(GetMenuState(GetSubMenu(menu, 1), 1, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_TRUE(form.Menu(L"C").Checked());
}

}  // namespace
