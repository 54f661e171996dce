// The icon in the notification area (Wine's task bar holds it): its window,
// its menu's commands acting as the main window's controls, the window put
// away into it when minimised and brought back by it, the icon added again
// for a new task bar, and nothing of it left after the exit.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/target_picking.h"
#include "marker_windows.h"
// After <windows.h>, which the harness brings.
#include <shellapi.h>

#include "preview_windows.h"

namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

HWND TrayWindowOf(const e2e::Panel& panel) {
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, L"NOLB_Tray", nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, L"NOLB_Tray", nullptr)) {
    if (e2e::Window(w).ProcessId() == panel.ProcessId()) return w;
  }
  return nullptr;
}

// Whether the notification area holds the window's icon: changing nothing
// of an icon succeeds only for one it holds.
bool IconShown(HWND tray) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = tray;
  data.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// An event of the icon as the notification area reports it (version 4).
void Report(HWND tray, UINT event) { PostMessageW(tray, kTrayCallback, MAKEWPARAM(1270, 1014), MAKELPARAM(event, kTrayIconId)); }

bool MenuShown() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu);
}

// Opens the icon's menu (a right click on the icon) over the main window
// in front, and chooses an item by its access key.
void ChooseFromIconMenu(const e2e::Panel& panel, HWND tray, char key) {
  panel.Activate();
  Report(tray, WM_CONTEXTMENU);
  if (!e2e::WaitUntil(MenuShown)) throw e2e::HarnessError("the icon's menu does not open");
  e2e::input::Press(static_cast<WORD>(key));
}

TEST(TrayIcon, MenuMinimisingIntoItANewTaskBarAndNothingLeftAtTheEnd) {
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  // The two switches of "表示(&S)" on, from the settings file.
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nMinimiseToTray=1\r\nExcludeFromCapture=1\r\n"});
  HWND tray = nullptr;
  ASSERT_TRUE(e2e::Eventually([&] { return (tray = TrayWindowOf(panel)) && IconShown(tray); }, "the icon"));
  auto on = [&] { return panel.Library().State().enabled != 0; };
  // The tooltip (the icon window's text) tells the state and the target.
  auto tip = [&] { return e2e::Window(tray).Text(); };
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  const SIZE size = e2e::ClientSize(target.Main());
  EXPECT_TRUE(e2e::Becomes(tip, L"NOLB\n差し替え: 有効 (Hook : ×)\n" + e2e::TargetCaption(target.Main()) + L" (0, 0, " +
                                    std::to_wstring(size.cx) + L" × " + std::to_wstring(size.cy) + L")"));

  ChooseFromIconMenu(panel, tray, 'D');
  EXPECT_TRUE(e2e::Eventually([&] { return !on() && tip().find(L"\n差し替え: 無効\n") != std::wstring::npos; },
                              "無効化 from the menu"));
  ChooseFromIconMenu(panel, tray, 'A');
  EXPECT_TRUE(e2e::Eventually(on, "適用 from the menu"));
  ChooseFromIconMenu(panel, tray, 'M');
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("CheckBoxAutoMouse").Checked(); }, true));
  EXPECT_TRUE(e2e::Eventually([&] { return tip().find(L"\nDesktop (") != std::wstring::npos; }, "the desktop named"));
  // Locked while the mouse is followed, as "無効化" in the window: greyed.
  ChooseFromIconMenu(panel, tray, 'D');
  e2e::input::Press(VK_ESCAPE);
  ASSERT_TRUE(e2e::WaitUntil([] { return !MenuShown(); }));
  ChooseFromIconMenu(panel, tray, 'U');
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("CheckBoxAutoMouse").Checked(); }, false));
  EXPECT_TRUE(on()) << "無効化 acted while it was locked";
  ChooseFromIconMenu(panel, tray, 'P');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::PreviewWindow(panel).Visible(); }, true));
  ChooseFromIconMenu(panel, tray, 'P');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::PreviewWindow(panel).Visible(); }, false));
  ChooseFromIconMenu(panel, tray, 'T');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::MarkerWindows(panel).front().Visible(); }, true));

  // A new task bar (Explorer restarted) holds no icon until the panel adds it.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = tray;
  data.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  e2e::Window main = panel.MainWindow();
  main.Post(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(e2e::Eventually([&] { return IconShown(tray); }, "the icon added again"));

  // Minimised, the window leaves the task bar; a click on the icon brings it
  // back where it was, and one more, with the window in front, puts it away.
  // Clicks within the double-click time of the one that acted are ignored:
  // each is repeated until it acts.
  auto clickUntil = [&](auto condition, const char* what) {
    return e2e::Eventually([&] { return Report(tray, NIN_SELECT), condition(); }, what);
  };
  auto minimised = [&] { return IsIconic(main.Handle()) != FALSE; };
  const RECT place = main.Rect();
  main.Post(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(e2e::Becomes([&] { return main.Visible(); }, false));
  EXPECT_TRUE(clickUntil([&] { return main.Visible() && !minimised(); }, "shown again"));
  const RECT back = main.Rect();
  EXPECT_TRUE(EqualRect(&place, &back)) << back.left << ", " << back.top;
  panel.Activate();
  EXPECT_TRUE(clickUntil([&] { return !main.Visible(); }, "put away again"));

  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_FALSE(IconShown(tray)) << "the icon stayed in the notification area";
  EXPECT_FALSE(IsWindow(tray));
  EXPECT_EQ(panel.Setting(L"Main", L"MinimiseToTray"), L"1");
  EXPECT_EQ(panel.Setting(L"Main", L"ExcludeFromCapture"), L"1");
}

}  // namespace
