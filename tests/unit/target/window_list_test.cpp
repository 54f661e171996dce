#include "target/window_list.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/fake_window_system.h"
#include "tests/unit/fakes/fake_window_tree.h"

namespace nolb {
namespace {

// The tree and the client sizes of the same windows: both fakes number
// their windows alike when they are made in the same order.
class WindowList : public ::testing::Test {
 protected:
  WindowId Top(std::string program, std::string className, std::string title, Size size) {
    const WindowId id = tree_.AddTopLevel(std::move(program), className, title);
    EXPECT_EQ(windows_.Add(0, {}, size, std::move(title), std::move(className)), id);
    return id;
  }
  WindowId Child(WindowId parent, std::string className, std::int32_t controlId, std::string text,
                 Size size) {
    const WindowId id = tree_.AddChild(parent, className, controlId);
    tree_.At(id).text = text;
    EXPECT_EQ(windows_.Add(parent, {}, size, std::move(text), std::move(className)), id);
    return id;
  }

  FakeWindowTree tree_;
  FakeWindowSystem windows_;
};

TEST_F(WindowList, OtherProgramsVisibleTopLevelWindowsTopmostFirst) {
  const WindowId notepad = Top("notepad.exe", "Notepad", "無題 - メモ帳", {640, 480});
  const WindowId hidden = Top("notepad.exe", "Notepad", "隠れた", {10, 10});
  tree_.At(hidden).visible = false;
  const WindowId ours = Top("NOLBPanel.exe", "TMainForm", "NOLB", {281, 441});
  tree_.At(ours).ours = true;
  const WindowId mine = Top("winemine.exe", "WineMine", "Mines", {200, 100});
  windows_.At(mine).sizeReadable = false;

  const std::vector<ListedWindow> expected{
      {mine, "Mines", "winemine.exe", "WineMine", 0, std::nullopt},
      {notepad, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{640, 480}},
  };
  EXPECT_EQ(ListTopLevelWindows(tree_, windows_), expected);
}

TEST_F(WindowList, ChildrenAreTheVisibleDirectOnesWithClassIdentifierTextAndSize) {
  const WindowId notepad = Top("notepad.exe", "Notepad", "メモ帳", {640, 480});
  const WindowId edit = Child(notepad, "Edit", 15, "本文", {640, 460});
  const WindowId bar = Child(notepad, "msctls_statusbar32", 1025, "", {640, 20});
  const WindowId hidden = Child(notepad, "Button", 2, "隠れた", {10, 10});
  tree_.At(hidden).visible = false;
  Child(edit, "Grandchild", 7, "", {1, 1});  // listed under the edit, not here

  const std::vector<ListedWindow> expected{
      {edit, "本文", "", "Edit", 15, Size{640, 460}},
      {bar, "", "", "msctls_statusbar32", 1025, Size{640, 20}},
  };
  EXPECT_EQ(ListChildWindows(tree_, windows_, notepad), expected);
  EXPECT_EQ(ListChildWindows(tree_, windows_, edit).size(), 1u);
}

TEST(WindowListFilter, ContainsWithoutRegardToCase) {
  struct Case {
    const char* text;
    const char* part;
    bool contains;
  };
  const Case cases[] = {
      {"Untitled - Notepad", "NOTE", true},
      {"Untitled - Notepad", "pads", false},
      {"無題 - メモ帳", "メモ", true},
      {"無題 - メモ帳", "めも", false},            // kana have no case
      {"ＮＯＴＥＰＡＤ", "ｎｏｔｅ", true},        // full-width letters
      {"ＮＯＴＥＰＡＤ", "note", false},
      {"Café Olé", "CAFÉ OLÉ", true},
      {"×", "÷", false},                         // signs, not letters
      {"Ελληνικά", "ΕΛΛ", true},
      {"Привет, Ёж", "привет, ёж", true},
      {"メ", "\x83\xA1", false},                 // never inside a character
      {"a\xFF" "b", "A\xFF", true},              // a stray byte equals itself
      {"a\xE3\x81", "\xE3", true},               // so does a cut sequence
      {"abc", "", true},
      {"", "a", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsIgnoringCase(c.text, c.part), c.contains) << c.text << " / " << c.part;
  }
}

TEST(WindowListFilter, TitleProgramOrClassContainsTheFilter) {
  const ListedWindow notepad{1, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{1, 1}};
  const ListedWindow mine{2, "Mines", "winemine.exe", "WineMine", 0, Size{1, 1}};
  const ListedWindow target{3, "E2E target", "target_window.exe", "NolbE2ETarget", 0, {}};
  const std::vector<ListedWindow> all{notepad, mine, target};
  struct Case {
    const char* filter;
    std::vector<ListedWindow> kept;
  };
  const Case cases[] = {
      {"", all},
      {"メモ", {notepad}},        // title
      {"NOTEPAD.EXE", {notepad}}, // program
      {"winem", {mine}},          // program and class
      {"e2e", {target}},          // title and class
      {"min", {mine}},
      {"e", all},
      {"xyz", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FilterWindows(all, c.filter), c.kept) << c.filter;
}

TEST_F(WindowList, FindProgramWindowTakesTheTopmostOtherProgramsMatch) {
  const WindowId older = Top("notepad.exe", "Notepad", "a.txt - メモ帳", {1, 1});
  const WindowId mine = Top("winemine.exe", "WineMine", "Mines", {1, 1});
  const WindowId newer = Top("Notepad.exe", "Notepad", "b.txt - メモ帳", {1, 1});
  const WindowId hidden = Top("notepad.exe", "Notepad", "c.txt - メモ帳", {1, 1});
  tree_.At(hidden).visible = false;
  const WindowId ours = Top("NOLBPanel.exe", "TMainForm", "NOLB メモ帳", {1, 1});
  tree_.At(ours).ours = true;

  struct Case {
    const char* title;
    const char* program;
    WindowId found;
  };
  const Case cases[] = {
      {"メモ帳", "", newer},
      {"A.TXT", "", older},
      {"メモ帳", "NOTEPAD.EXE", newer},
      {"", "winemine.exe", mine},
      {"メモ帳", "winemine.exe", 0},
      {"c.txt", "", 0},  // hidden
      {"NOLB", "", 0},   // the panel's own
      {"メモ帳", "notepad", 0},  // the whole file name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindProgramWindow(tree_, c.title, c.program), c.found) << c.title << " / " << c.program;
  }
}

TEST(WindowListLine, ColumnsOnOneLine) {
  struct Case {
    ListedWindow window;
    bool child;
    std::string line;
  };
  const std::string long90(90, 'x');
  const Case cases[] = {
      {{1, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{640, 480}}, false,
       "「無題 - メモ帳」  notepad.exe  Notepad  640×480"},
      {{2, "行1\r\n\t行2", "", "Edit", 15, Size{632, 400}}, true, "Edit  ID 15  「行1   行2」  632×400"},
      {{3, "", "", "Static", -1, std::nullopt}, true, "Static  ID -1  「」  ?"},
      {{4, long90, "p.exe", "C", 0, Size{0, 0}}, false,
       "「" + std::string(80, 'x') + "…」  p.exe  C  0×0"},
  };
  for (const Case& c : cases) EXPECT_EQ(ListedWindowLine(c.window, c.child), c.line);
}

}  // namespace
}  // namespace nolb
