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
  WindowId Add(WindowId parent, std::string program, std::string className, std::string text,
               Size size) {
    const WindowId id = parent ? tree_.AddChild(parent, className, 7) : tree_.AddTopLevel(program, className, text);
    tree_.At(id).text = text;
    EXPECT_EQ(windows_.Add(parent, {}, size, text, className), id);
    return id;
  }

  FakeWindowTree tree_;
  FakeWindowSystem windows_;
};

TEST_F(WindowList, OtherProgramsShownWindowsTopmostFirstAndTheirShownChildren) {
  const WindowId notepad = Add(0, "notepad.exe", "Notepad", "無題 - メモ帳", {640, 480});
  const WindowId edit = Add(notepad, "", "Edit", "本文", {640, 460});
  Add(edit, "", "Grandchild", "", {1, 1});  // under the edit, not the editor
  tree_.At(Add(notepad, "", "Button", "", {1, 1})).visible = false;
  tree_.At(Add(0, "notepad.exe", "Notepad", "隠れた", {1, 1})).visible = false;
  tree_.At(Add(0, "NOLBPanel.exe", "TMainForm", "NOLB", {1, 1})).ours = true;
  tree_.At(Add(0, "calc.exe", "ApplicationFrameWindow", "電卓", {1, 1})).cloaked = true;
  const WindowId mine = Add(0, "winemine.exe", "WineMine", "Mines", {200, 100});
  windows_.At(mine).sizeReadable = false;

  const std::vector<ListedWindow> top{{mine, "Mines", "winemine.exe", "WineMine", 0, std::nullopt},
                                      {notepad, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{640, 480}}};
  EXPECT_EQ(ListTopLevelWindows(tree_, windows_), top);
  const std::vector<ListedWindow> children{{edit, "本文", "", "Edit", 7, Size{640, 460}}};
  EXPECT_EQ(ListChildWindows(tree_, windows_, notepad), children);
  EXPECT_TRUE(HasVisibleChildren(tree_, edit));
  tree_.At(edit).visible = false;
  EXPECT_FALSE(HasVisibleChildren(tree_, notepad)) << "only a hidden child";
}

TEST(WindowListFilter, ContainsWithoutRegardToCase) {
  struct Case {
    const char* text;
    const char* part;
    bool contains;
  };
  const Case cases[] = {
      {"Untitled - Notepad", "NOTE", true},   {"Untitled - Notepad", "pads", false},
      {"無題 - メモ帳", "メモ", true},         {"無題 - メモ帳", "めも", false},  // kana have no case
      {"ＮＯＴＥＰＡＤ", "ｎｏｔｅ", true},   {"ＮＯＴＥＰＡＤ", "note", false},
      {"Café Olé", "CAFÉ OLÉ", true},         {"×", "÷", false},  // signs, not letters
      {"Ελληνικά", "ΕΛΛ", true},              {"Привет, Ёж", "привет, ёж", true},
      {"メ", "\x83\xA1", false},  // never inside a character
      {"a\xFF" "b", "A\xFF", true},            {"a\xE3\x81", "\xE3", true},  // stray bytes as themselves
      {"\xF4\x8F\xBC\x81", "\xFF", false},  // and as no character
      {"x\xF4\x90\x82\x80", "x\x80", false}, {"\xE0\x81\x81", "a", false},  // too large, overlong: strays
      {"abc", "", true},                      {"", "a", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsIgnoringCase(c.text, c.part), c.contains) << c.text << " / " << c.part;
  }
  EXPECT_FALSE(ContainsIgnoringCase(std::string_view("d\xE3\x81\x81", 3), "ぁ")) << "cut by the text's end";
}

TEST(WindowListFilter, TitleProgramOrClassContainsTheFilter) {
  const ListedWindow notepad{1, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{1, 1}};
  const ListedWindow mine{2, "Mines", "winemine.exe", "WineMine", 0, {}};
  const std::vector<ListedWindow> all{notepad, mine};
  EXPECT_EQ(FilterWindows(all, ""), all);
  EXPECT_EQ(FilterWindows(all, "メモ"), std::vector{notepad});       // title
  EXPECT_EQ(FilterWindows(all, "NOTEPAD.EXE"), std::vector{notepad});  // program
  EXPECT_EQ(FilterWindows(all, "emine"), std::vector{mine});          // class
  EXPECT_EQ(FilterWindows(all, "xyz"), std::vector<ListedWindow>{});
}

TEST_F(WindowList, FindProgramWindowTakesTheTopmostOtherProgramsMatch) {
  const WindowId older = Add(0, "notepad.exe", "Notepad", "a.txt - メモ帳", {1, 1});
  const WindowId mine = Add(0, "winemine.exe", "WineMine", "Mines", {1, 1});
  const WindowId newer = Add(0, "Notepad.exe", "Notepad", "b.txt - メモ帳", {1, 1});
  tree_.At(Add(0, "NOLBPanel.exe", "TMainForm", "NOLB メモ帳", {1, 1})).ours = true;
  EXPECT_EQ(FindProgramWindow(tree_, "メモ帳"), newer);
  EXPECT_EQ(FindProgramWindow(tree_, "A.TXT"), older);
  EXPECT_EQ(FindProgramWindow(tree_, "", "WINEMINE.EXE"), mine);
  EXPECT_EQ(FindProgramWindow(tree_, "メモ帳", "winemine.exe"), 0u);
  EXPECT_EQ(FindProgramWindow(tree_, "メモ帳", "notepad"), 0u) << "the whole file name";
  EXPECT_EQ(FindProgramWindow(tree_, "NOLB"), 0u) << "the panel's own";
}

TEST(WindowListLine, ColumnsOnOneLine) {
  EXPECT_EQ(ListedWindowLine({1, "無題 - メモ帳", "notepad.exe", "Notepad", 0, Size{640, 480}}, false),
            "「無題 - メモ帳」 notepad.exe / Notepad / 640×480");
  EXPECT_EQ(ListedWindowLine({2, "行1\r\n" + std::string(90, 'x'), "", "Edit", 15, {}}, true),
            "Edit / ID 15 / 「行1  " + std::string(76, 'x') + "…」 / ?");
  // Separators as spaces; the direction controls, which could make the
  // program's name read as another, left out.
  EXPECT_EQ(ListedWindowLine({3, "a\u2028b\u0085c\u2029d\u009F\u202A\u202Eexe.txt\u2066\u200F", "", "E", 0, {}}, true),
            "E / ID 0 / 「a b c d exe.txt」 / ?");
}

}  // namespace
}  // namespace nolb
