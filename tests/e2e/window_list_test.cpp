// The window list (Ctrl+L): a window of another program chosen by keyboard
// alone becomes the target, also one that lies under others, and a child
// control inside one.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/notepad.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

namespace input = e2e::input;

// Two windows of the fixture program, one lying wholly over the other.
constexpr RECT kFrame{420, 160, 420 + 400, 160 + 300};

// The line of the first window's first child, read through memory lent in
// the panel's process (a tree's item texts do not cross processes).
std::wstring ChildLine(const e2e::Window& tree) {
  DWORD id = 0;
  GetWindowThreadProcessId(tree.Handle(), &id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  auto* lent = static_cast<TVITEMW*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
  const auto child = reinterpret_cast<HTREEITEM>(tree.Send(TVM_GETNEXTITEM, TVGN_CHILD, tree.Send(TVM_GETNEXTITEM, TVGN_ROOT)));
  const TVITEMW item{TVIF_TEXT, child, 0, 0, reinterpret_cast<wchar_t*>(lent + 1), 200, 0, 0, 0, 0};
  wchar_t line[200]{};
  WriteProcessMemory(process, lent, &item, sizeof item, nullptr);
  if (tree.Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(lent))) ReadProcessMemory(process, lent + 1, line, sizeof line - 2, nullptr);
  VirtualFreeEx(process, lent, 0, MEM_RELEASE);
  CloseHandle(process);
  return line;
}

class WindowList : public ::testing::Test {
 protected:
  // Ctrl+L in the main window, then the filter text typed into the list.
  e2e::Window Open(std::wstring_view filter) const {
    panel.Activate();
    input::Chord({VK_CONTROL, 'L'});
    e2e::Window tree = panel.Control("TreeWindows");
    EXPECT_TRUE(e2e::Becomes([&] { return e2e::FocusedControl(panel); }, panel.Control("EditFilter")));
    EXPECT_FALSE(panel.MainWindow().Enabled()) << "modal: the panel is busy while the list is up";
    input::Type(filter);
    EXPECT_TRUE(e2e::Becomes([&] { return Items(tree); }, LRESULT{1})) << "the filter keeps one window";
    return tree;
  }
  static LRESULT Items(const e2e::Window& tree) { return tree.Send(TVM_GETCOUNT); }
  bool Closed() const {
    return e2e::WaitUntil([&] {
      std::optional<e2e::Window> tree = panel.FindControl("TreeWindows");
      return !tree || !tree->Visible();
    });
  }
  std::wstring Caption() const { return panel.Control("EditWindowCaption").Text(); }
  // The window is the target, its whole client area in the edits.
  void ExpectTarget(const e2e::Window& window) const {
    const SIZE size = e2e::ClientSize(window);
    EXPECT_TRUE(e2e::Becomes([&] { return Caption(); }, e2e::TargetCaption(window)));
    EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(0, 0, size.cx, size.cy));
  }
  void ExpectPushOf(const e2e::Window& window, uint32_t mark) const {
    const SIZE size = e2e::ClientSize(window);
    EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                  e2e::PushOf(e2e::HandleArg(window), 0, 0, size.cx, size.cy)));
  }

  bool movedAway_ = [] {
    input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
    return true;
  }();
  e2e::TargetWindow covered = e2e::TargetWindow::Start({.title = L"Covered ウィンドウ", .frame = kFrame});
  e2e::TargetWindow cover = e2e::TargetWindow::Start({.title = L"Cover ウィンドウ", .frame = kFrame});
  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(WindowList, ByKeyboardAloneUnderOthersAChildFillingInEscAWindowGoneTheLockAndTheSize) {
  // A few letters of the title, in other case, and Enter: the window that
  // lies under the other is pushed with its client size.
  uint32_t mark = e2e::JournalMark();
  Open(L"cOVERED");
  input::Press(VK_RETURN);
  ASSERT_TRUE(Closed()) << "Enter closes the list";
  ExpectPushOf(covered.Main(), mark);
  ExpectTarget(covered.Main());

  // Right opens the window's children, Down reaches its control.
  mark = e2e::JournalMark();
  e2e::Window tree = Open(L"cover ウ");
  input::Press(VK_DOWN);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::FocusedControl(panel); }, tree)) << "Down leads into the list";
  input::Press(VK_RIGHT);
  EXPECT_TRUE(e2e::Becomes([&] { return Items(tree); }, LRESULT{2})) << "the child listed";
  input::Press(VK_DOWN);
  input::Press(VK_RETURN);
  ASSERT_TRUE(Closed());
  ExpectPushOf(cover.Child(), mark);
  ExpectTarget(cover.Child());

  // Shift+Enter only fills in: the window, its client area, no push.
  mark = e2e::JournalMark();
  Open(L"Covered");
  input::Chord({VK_SHIFT, VK_RETURN});
  ASSERT_TRUE(Closed());
  ExpectTarget(covered.Main());

  // Letters typed in the list go on into the filter; Esc changes nothing.
  e2e::SetRectangleEdits(panel, 1, 2, 30, 40);
  tree = Open(L"cover ウ");
  input::Press(VK_UP);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::FocusedControl(panel); }, tree));
  input::Type(L"x");
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("EditFilter").Text(); }, std::wstring(L"cover ウx")));
  input::Press(VK_DOWN);
  input::Press(VK_BACK);  // typed in the list
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("EditFilter").Text(); }, std::wstring(L"cover ウ")));
  input::Press(VK_ESCAPE);
  ASSERT_TRUE(Closed());

  // A window that goes while the list is up is said so, and nothing changes.
  tree = Open(L"cover ウ");
  ASSERT_EQ(cover.Close(), 0u);
  input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("LabelMessage").Text(); },
                           std::wstring(L"選択したウィンドウはもうありません。一覧を更新しました。")));
  EXPECT_EQ(Items(tree), 0) << "the list read again";
  input::Press(VK_ESCAPE);
  ASSERT_TRUE(Closed());
  e2e::Settle(panel);
  EXPECT_EQ(Caption(), e2e::TargetCaption(covered.Main()));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(1, 2, 30, 40));
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "neither Shift+Enter nor Esc applies";

  // A real-time mode on: Ctrl+L opens nothing.
  panel.Control("CheckBoxAutoWindow").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Control("ButtonUncheck").Enabled(); }, "the lock"));
  mark = e2e::JournalMark();
  panel.Activate();
  input::Chord({VK_CONTROL, 'L'});
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::StatusTicksSince(panel, mark) >= 3; }));
  EXPECT_FALSE(panel.FindControl("TreeWindows")) << "the list under the lock";
  panel.Control("ButtonUncheck").Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !panel.Control("ButtonUncheck").Enabled(); }, "no lock"));

  // Released, it opens; the size the user gives it is there the next time,
  // written once the dialog is hidden, after it closes.
  e2e::Window dialog = Open(L"covered").Parent();
  SetWindowPos(dialog.Handle(), nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  input::Press(VK_ESCAPE);
  ASSERT_TRUE(Closed());
  EXPECT_TRUE(e2e::Becomes([&] { return panel.Setting(L"WindowList", L"Width"); },
                           std::optional<std::wstring>(L"500")));
  const RECT shown = Open(L"covered").Parent().Rect();
  EXPECT_EQ(std::vector({shown.right - shown.left, shown.bottom - shown.top}), std::vector({500L, 300L}));
  mark = e2e::JournalMark();
  for (int click = 0; click < 2; ++click) input::Click({shown.left + 80, panel.Control("TreeWindows").Rect().top + 11});
  ASSERT_TRUE(Closed()) << "a double click on the window takes it";
  ExpectPushOf(covered.Main(), mark);

  // An edit's line holds the text its program has now.
  const auto notepad = e2e::Notepad::Start();
  notepad.Edit().SetText(L"今の本文");
  tree = Open(L"notepad.exe");
  input::Press(VK_DOWN);
  input::Press(VK_RIGHT);
  EXPECT_TRUE(e2e::Eventually([&] { return ChildLine(tree).find(L"「今の本文」") != std::wstring::npos; }, "the edit's text"));
}

}  // namespace
