#include "target/target_selection.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/fake_window_system.h"

namespace nolb {
namespace {

class TargetSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_ = windows_.Add(0, {100, 50}, {640, 480}, "メモ帳", "Notepad");
    text_ = windows_.Add(editor_, {100, 70}, {640, 460}, "", "Edit");
    dialog_ = windows_.Add(editor_, {900, 100}, {200, 100}, "検索", "#32770");  // owned pop-up
  }

  void SetRecord(WindowId target, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 DesktopRect remembered = {}) {
    state_.Update([&](CaptureSettings& s, DesktopRect& d) {
      s.target = target;
      s.x = x;
      s.y = y;
      s.width = w;
      s.height = h;
      d = remembered;
    });
  }

  // The record's target and rectangle as a view, so that record and result compare at once.
  TargetView Record(const std::string& caption) {
    CaptureSettings s = state_.Settings();
    return TargetView{s.target, caption, s.x, s.y, s.width, s.height};
  }

  FakeWindowSystem windows_;
  CaptureState state_;
  WindowId editor_ = 0, text_ = 0, dialog_ = 0;
};

TEST_F(TargetSelection, CaptionIsTextAndClassOrDesktop) {
  EXPECT_EQ(TargetCaption(windows_, editor_), "メモ帳 (Notepad)");
  EXPECT_EQ(TargetCaption(windows_, text_), " (Edit)");
  EXPECT_EQ(TargetCaption(windows_, FakeWindowSystem::kDesktop), "Desktop");
}

TEST_F(TargetSelection, DesktopRestoresOnlyARememberedRectangle) {
  SetRecord(editor_, 5, 6, 7, 8, DesktopRect{-1920, 0, 1920, 1080});
  const TargetView expected{FakeWindowSystem::kDesktop, "Desktop", -1920, 0, 1920, 1080};
  EXPECT_EQ(SelectDesktop(state_, windows_), expected);
  EXPECT_EQ(Record("Desktop"), expected);

  // One size zero: nothing is remembered, the previous target's rectangle stays.
  for (DesktopRect notRemembered : {DesktopRect{1, 2, 0, 600}, DesktopRect{1, 2, 800, 0}}) {
    SetRecord(editor_, 5, 6, 7, 8, notRemembered);
    const TargetView kept{FakeWindowSystem::kDesktop, "Desktop", 5, 6, 7, 8};
    EXPECT_EQ(SelectDesktop(state_, windows_), kept);
    EXPECT_EQ(Record("Desktop"), kept);
  }
}

TEST_F(TargetSelection, PickTakesTheDeepestWindowUnderTheCursorWithItsWholeClientArea) {
  SetRecord(FakeWindowSystem::kDesktop, 9, 9, 9, 9, DesktopRect{9, 9, 9, 9});
  windows_.cursor = Point{150, 100};
  PickResult result = PickWindowUnderCursor(state_, windows_);
  EXPECT_TRUE(result.picked);
  const TargetView expected{text_, " (Edit)", 0, 0, 640, 460};
  EXPECT_EQ(result.view, expected);
  EXPECT_EQ(Record(" (Edit)"), expected);
  EXPECT_EQ(state_.Desktop().x, 9);  // the remembered desktop rectangle is not touched

  windows_.cursor = Point{110, 60};  // the editor's own client area above its child
  EXPECT_EQ(PickWindowUnderCursor(state_, windows_).view.target, editor_);
}

TEST_F(TargetSelection, PickOfAnEmptyClientAreaGivesZeroSize) {
  const WindowId bar = windows_.Add(0, {1000, 900}, {0, 0}, "", "Bar");
  windows_.At(bar).frame = Size{200, 20};
  windows_.cursor = Point{1010, 905};
  PickResult result = PickWindowUnderCursor(state_, windows_);
  EXPECT_TRUE(result.picked);
  EXPECT_EQ(result.view, (TargetView{bar, " (Bar)", 0, 0, 0, 0}));
}

TEST_F(TargetSelection, PickWithoutAWindowSelectsTheDesktop) {
  SetRecord(editor_, 5, 6, 7, 8, DesktopRect{0, 0, 320, 240});
  const TargetView desktop{FakeWindowSystem::kDesktop, "Desktop", 0, 0, 320, 240};

  windows_.cursor = std::nullopt;  // the cursor cannot be read
  EXPECT_EQ(PickWindowUnderCursor(state_, windows_).picked, false);
  EXPECT_EQ(Record("Desktop"), desktop);

  SetRecord(editor_, 5, 6, 7, 8, DesktopRect{0, 0, 320, 240});
  windows_.cursor = Point{-50, -50};  // outside every window
  PickResult outside = PickWindowUnderCursor(state_, windows_);
  EXPECT_FALSE(outside.picked);
  EXPECT_EQ(outside.view, desktop);

  SetRecord(editor_, 5, 6, 7, 8, DesktopRect{0, 0, 320, 240});
  windows_.cursor = Point{150, 100};
  windows_.At(text_).sizeReadable = false;  // the window went away between the two calls
  EXPECT_EQ(PickWindowUnderCursor(state_, windows_).view, desktop);
}

TEST_F(TargetSelection, TakeGivesAWindowItsWholeClientAreaOrChangesNothing) {
  SetRecord(FakeWindowSystem::kDesktop, 9, 9, 9, 9);
  const TargetView expected{text_, " (Edit)", 0, 0, 640, 460};
  EXPECT_EQ(TakeWindow(state_, windows_, text_), expected);
  EXPECT_EQ(Record(" (Edit)"), expected);

  windows_.At(editor_).sizeReadable = false;
  const WindowId gone = windows_.Add(0, {0, 0}, {10, 10}, "gone", "Gone");
  windows_.Remove(gone);
  for (WindowId window : {editor_, gone}) {
    EXPECT_EQ(TakeWindow(state_, windows_, window), std::nullopt);
    EXPECT_EQ(Record(" (Edit)"), expected);
  }
}

TEST_F(TargetSelection, ParentOrOwnerBecomesTheTarget) {
  SetRecord(text_, 3, 4, 5, 6);
  const TargetView editor{editor_, "メモ帳 (Notepad)", 0, 0, 640, 480};
  EXPECT_EQ(SelectParent(state_, windows_), editor);
  EXPECT_EQ(Record("メモ帳 (Notepad)"), editor);

  SetRecord(dialog_, 3, 4, 5, 6);
  EXPECT_EQ(SelectParent(state_, windows_), editor);
}

TEST_F(TargetSelection, ParentChangesNothingWithoutAReadableParent) {
  for (WindowId target : {editor_, FakeWindowSystem::kDesktop, WindowId{0xDEAD}}) {
    SetRecord(target, 3, 4, 5, 6);
    EXPECT_EQ(SelectParent(state_, windows_), std::nullopt);
    EXPECT_EQ(Record(""), (TargetView{target, "", 3, 4, 5, 6}));
  }
  SetRecord(text_, 3, 4, 5, 6);
  windows_.At(editor_).sizeReadable = false;
  EXPECT_EQ(SelectParent(state_, windows_), std::nullopt);
  EXPECT_EQ(Record(""), (TargetView{text_, "", 3, 4, 5, 6}));
}

}  // namespace
}  // namespace nolb
