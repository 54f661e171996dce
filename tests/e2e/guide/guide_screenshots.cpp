// guide_screenshots.exe: the pictures of docs/guide-ja.md, taken from the
// real panel under Wine with the end-to-end harness, so that they stay true
// as the program changes. Each test shows one window or dialog and saves the
// part of the screen that holds it as <name>.bmp in the folder named by
// NOLB_GUIDE_SHOTS. Run by scripts/guide-screenshots.sh, which turns them
// into the PNG files in docs/guide-ja/; not one of the tests.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"
#include "preview_windows.h"

namespace {

using e2e::input::Button;

constexpr wchar_t kMenuClass[] = L"#32768";

std::filesystem::path ShotFolder() {
  const char* folder = std::getenv("NOLB_GUIDE_SHOTS");
  return folder ? std::filesystem::path(e2e::Wide(folder)) : e2e::BinDir().parent_path() / L"guide-screenshots";
}

RECT Union(RECT a, const RECT& b) {
  UnionRect(&a, &a, &b);
  return a;
}

RECT Grown(RECT r, int by) {
  InflateRect(&r, by, by);
  return r;
}

// Light blue: the markers show white and black on it, and the inverted frame
// of a selection shows dark.
constexpr COLORREF kTargetBackground = RGB(176, 208, 240);

// Saves the area of the screen as it is now. The X server's picture holds
// no mouse cursor: a cursor given is drawn in at the pointer.
void ShotNow(const char* name, RECT area, HCURSOR cursor = nullptr) {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&area, &area, &screen);
  std::filesystem::create_directories(ShotFolder());
  e2e::SaveScreenshot(ShotFolder() / (e2e::Wide(name) + L".bmp"), area, cursor);
}

// Saves the area once everything posted to the panel is handled and the X
// server has had a moment to draw it.
void Shot(const e2e::Panel& panel, const char* name, RECT area, HCURSOR cursor = nullptr) {
  e2e::Settle(panel);
  Sleep(400);
  ShotNow(name, area, cursor);
}

// The shown popup menu (of any process), if one is open.
std::optional<e2e::Window> OpenMenu() {
  HWND menu = FindWindowW(kMenuClass, nullptr);
  if (menu && IsWindowVisible(menu)) return e2e::Window(menu);
  return std::nullopt;
}

e2e::Window WaitForMenu() {
  std::optional<e2e::Window> menu;
  if (!e2e::WaitUntil([&] { return (menu = OpenMenu()).has_value(); })) {
    throw e2e::HarnessError("no menu opened");
  }
  return *menu;
}

void CloseMenus() {
  for (int i = 0; i < 3 && OpenMenu(); ++i) e2e::input::Press(VK_ESCAPE);
}

// A panel with the encoder simulator attached, so the status line shows the
// hook at work, as it does for a user.
class Guide : public ::testing::Test {
 protected:
  void SetUp() override {
    encoder = e2e::StartHelper(L"encoder_sim.exe", {L"--fps", L"10"});
    ASSERT_TRUE(e2e::Becomes([&] { return panel.Control("LabelHooked").Text(); }, std::wstring(L"○")));
  }
  // The encoder leaves first, so the panel closes without its question,
  // and it closes: its icon leaves the task bar, which then shows the next
  // panel's alone.
  void TearDown() override {
    encoder.Kill();
    e2e::WaitUntil([&] { return panel.Control("LabelHooked").Text() == L"×"; });
    panel.Close();
  }

  e2e::Window Main() const { return panel.MainWindow(); }

  // Beside the main window (16, 16, 289 x 487); started before the panel,
  // with the cursor away from it, so the panel opens in front.
  static e2e::TargetWindow StartTarget() {
    e2e::input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
    return e2e::TargetWindow::Start({.title = L"取り込むウィンドウ",
                                     .frame = {330, 60, 330 + 400, 60 + 300},
                                     .background = kTargetBackground});
  }

  e2e::TargetWindow target = StartTarget();
  // The preview opens below the target window, off the captured picture.
  e2e::Panel panel = e2e::Panel::Start({.settings = "[Preview]\r\nTop=400\r\nLeft=330\r\n"});
  e2e::Process encoder;
};

TEST_F(Guide, MainWindow) {
  e2e::BringToFront(Main());
  Shot(panel, "main-window", Main().Rect());
}

TEST_F(Guide, Menus) {
  for (auto [key, name] : {std::pair{'S', "menu-view"}, std::pair{'O', "menu-settings"}}) {
    panel.Activate();
    e2e::input::Chord({VK_MENU, static_cast<WORD>(key)});
    e2e::Window menu = WaitForMenu();
    Shot(panel, name, Union(Main().Rect(), menu.Rect()));
    CloseMenus();
  }
}

// The menu of the icon in the notification area, opened by a right click
// on the icon: the task bar's rightmost, of the size of a small icon and a
// border of 2 pixels around it.
TEST_F(Guide, TrayMenu) {
  const POINT icon{GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 10};
  e2e::input::Click(icon, Button::Right);
  e2e::Window menu = WaitForMenu();
  RECT area = menu.Rect();
  area.left -= 40;
  area.right = GetSystemMetrics(SM_CXSCREEN);
  area.bottom = GetSystemMetrics(SM_CYSCREEN);
  Shot(panel, "tray-menu", area);
  CloseMenus();
}

// "設定(O)" with the submenu of the following's period open.
TEST_F(Guide, FollowMenu) {
  panel.Menu('O', 'I');
  RECT area = Main().Rect();
  ASSERT_TRUE(e2e::WaitUntil([&] {
    int shown = 0;
    for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, kMenuClass, nullptr)) != nullptr;) {
      if (IsWindowVisible(menu)) area = Union(area, e2e::Window(menu).Rect()), ++shown;
    }
    return shown == 2;
  }));
  Shot(panel, "menu-follow", area);
  CloseMenus();
}

// A real program as the target, so the caption box shows a window a user
// knows: Wine's editor, in front of the target window, picked by its menu
// bar (its client area is all edit control).
TEST_F(Guide, TargetDrag) {
  e2e::Notepad editor = e2e::Notepad::Start();
  const RECT frame = target.Main().Rect();
  SetWindowPos(editor.Main().Handle(), HWND_TOP, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, 0);
  // Inactive and painted at its new place before the drag inverts its frame
  // on the screen: a repaint later would wipe the frame out.
  e2e::BringToFront(Main());
  RedrawWindow(editor.Main().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(400);
  const POINT client = e2e::ClientOrigin(editor.Main());
  const POINT edge{client.x + 1, client.y + 40};
  const COLORREF plain = e2e::ScreenPixel(edge);
  e2e::PickerDrag drag(panel, Button::Left);
  drag.Over({client.x + 80, client.y - GetSystemMetrics(SM_CYMENU) / 2}, e2e::TargetCaption(editor.Main()));
  // The frame drawn over another program's window lasts only until that
  // program paints itself again: taken as soon as it shows.
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ScreenPixel(edge) != plain; }));
  ShotNow("target-drag", Union(Main().Rect(), Grown(editor.Main().Rect(), 8)));
  drag.Release();
  editor.Quit();
}

// The cursor of the screen selections.
HCURSOR Cross() { return LoadCursorW(nullptr, IDC_CROSS); }

// The readout and the magnifier stand below and right of the cursor.
constexpr int kOverlayWidth = 300;
constexpr int kOverlayHeight = 220;

TEST_F(Guide, RangeSelection) {
  e2e::StartSelection(panel, "ButtonSetRange");
  // The range ends on the last pixel of the child window's frame, which
  // the magnifier shows.
  const RECT child = target.Child().Rect();
  POINT to{child.right - 1, child.bottom - 1}, from{to.x - 150, to.y - 70};
  e2e::input::MouseDownAt(from, Button::Right);
  e2e::input::MoveMouse({to.x - 60, to.y - 30});
  e2e::input::MoveMouse(to);
  // The whole target window, its title bar and its control, with the
  // readout and the magnifier beside the cursor.
  Shot(panel, "range-selection",
       Union(Grown(target.Main().Rect(), 8), {from.x - 40, from.y - 40, to.x + kOverlayWidth, to.y + kOverlayHeight}),
       Cross());
  e2e::input::MouseUpAt(to, Button::Right);
}

TEST_F(Guide, PositionSelection) {
  e2e::SetRectangleEdits(panel, 0, 0, 200, 150);
  panel.Control("ButtonApply").Click();
  e2e::input::MoveMouse({530, 210});
  e2e::StartSelection(panel, "ButtonSetPos");
  e2e::input::MoveMouse({520, 200});
  Shot(panel, "position-selection",
       Union(Grown(target.Main().Rect(), 8), {520 - 160, 200 - 135, 520 + kOverlayWidth, 200 + kOverlayHeight}),
       Cross());
  e2e::input::Click({520, 200}, Button::Right);
}

// Ctrl over the target window: its client area.
TEST_F(Guide, WindowSelection) {
  e2e::input::MoveMouse(e2e::InsideMainNotChild(target));
  e2e::BringToFront(e2e::StartSelection(panel, "ButtonSetRange").front());
  e2e::input::KeyDown(VK_CONTROL);
  e2e::input::MoveMouse({e2e::InsideMainNotChild(target).x + 1, e2e::InsideMainNotChild(target).y});
  const POINT at = e2e::InsideMainNotChild(target);
  Shot(panel, "window-selection", Union(Grown(target.Main().Rect(), 20), {at.x, at.y, at.x + kOverlayWidth, at.y + kOverlayHeight}),
       Cross());
  e2e::input::KeyUp(VK_CONTROL);
  e2e::input::Press(VK_ESCAPE);
}

TEST_F(Guide, RangeMarkers) {
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  // Below the child window, so no marker sits on it.
  e2e::SetRectangleEdits(panel, 60, 96, 240, 120);
  panel.Control("ButtonApply").Click();
  panel.Menu('S', 'T');
  POINT origin = e2e::ClientOrigin(target.Main());
  RECT range{origin.x + 60, origin.y + 96, origin.x + 60 + 240, origin.y + 96 + 120};
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ScreenPixel({range.right, range.bottom}) != kTargetBackground; }));
  Shot(panel, "range-markers", Grown(target.Main().Rect(), 8));
  panel.Menu('S', 'T');
}

TEST_F(Guide, PreviewAndItsMenuAndSettings) {
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  e2e::Window preview = e2e::TogglePreview(panel, true);
  Shot(panel, "preview", preview.Rect());

  e2e::BringToFront(preview);
  RECT r = preview.Rect();
  e2e::input::Click({r.left + 40, r.top + 40}, Button::Right);
  e2e::Window menu = WaitForMenu();
  Shot(panel, "preview-menu", Union(preview.Rect(), menu.Rect()));
  e2e::input::Press('O');
  e2e::Window settings = e2e::WaitForShown(panel, e2e::kPreviewSettingsClass);
  Shot(panel, "preview-settings", settings.Rect());
  settings.Find("ButtonCancel")->Click();
  ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::ShownWindowOfClass(panel, e2e::kPreviewSettingsClass); }));
  e2e::TogglePreview(panel, false);
}

TEST_F(Guide, OpacityDialog) {
  panel.Menu('S', 'L');
  e2e::Window dialog = e2e::WaitForShown(panel, e2e::kAlphaSettingsClass);
  e2e::MoveTrackBar(dialog, 200);
  Shot(panel, "opacity", dialog.Rect());
  dialog.Close();
  ASSERT_TRUE(e2e::WaitUntil([&] { return !dialog.Visible(); }));
  panel.Menu('S', 'L');
}

// A program a user knows in the list: Wine's editor, found by a part of its
// title and opened to its edit control.
TEST_F(Guide, WindowList) {
  e2e::Notepad editor = e2e::Notepad::Start();
  panel.Activate();
  e2e::input::Chord({VK_CONTROL, 'L'});
  e2e::Window tree = panel.Control("TreeWindows");
  e2e::input::Type(L"メモ帳");
  ASSERT_TRUE(e2e::Becomes([&] { return tree.Send(TVM_GETCOUNT); }, LRESULT{1}));
  e2e::input::Press(VK_DOWN);
  e2e::input::Press(VK_RIGHT);
  ASSERT_TRUE(e2e::WaitUntil([&] { return tree.Send(TVM_GETCOUNT) >= 2; }));
  Shot(panel, "window-list", tree.Parent().Rect());
  e2e::input::Press(VK_ESCAPE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !tree.Parent().Visible(); }));
}

TEST_F(Guide, HotkeyDialogAndItsFailure) {
  panel.Menu('O', 'H');
  e2e::Window dialog = panel.Control("ButtonClose").Parent();
  ASSERT_TRUE(e2e::WaitUntil([&] { return dialog.Visible(); }));
  panel.Control("ButtonRegAutoMouse").Click();
  ASSERT_TRUE(e2e::WaitUntil([&] { return panel.Control("ButtonUnregAutoMouse").Enabled(); }));
  Shot(panel, "hotkey-dialog", dialog.Rect());

  // F9 is taken by the row above: the second registration fails.
  panel.Control("ButtonRegSetPos").Click();
  e2e::MessageDialog box = panel.WaitForMessageBox();
  Shot(panel, "hotkey-failure", box.Handle().Rect());
  box.Press(IDOK);
  box.WaitClosed();
  panel.Control("ButtonUnregAutoMouse").Click();
  panel.Control("ButtonClose").Click();
}

TEST_F(Guide, NotANumber) {
  panel.Control("EditX").SetText(L"abc");
  panel.Control("ButtonApply").Click();
  e2e::MessageDialog box = panel.WaitForMessageBox();
  Shot(panel, "not-a-number", box.Handle().Rect());
  box.Press(IDOK);
  box.WaitClosed();
  panel.Control("EditX").SetText(L"0");
}

TEST_F(Guide, ExitQuestion) {
  panel.RequestClose();
  e2e::MessageDialog box = panel.WaitForMessageBox();
  Shot(panel, "exit-question", box.Handle().Rect());
  box.Press(IDNO);
  box.WaitClosed();
}

}  // namespace
