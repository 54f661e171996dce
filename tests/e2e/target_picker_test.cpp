// Choosing the target window: dragging from PanelDrag onto a window, walking
// up to the parent, going back to the desktop.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using e2e::input::Button;

class TargetPicker : public ::testing::Test {
 protected:
  std::vector<std::wstring> Edits() const { return e2e::RectangleEdits(panel); }
  static std::vector<std::wstring> Numbers(int x, int y, int width, int height) {
    return e2e::RectangleTexts(x, y, width, height);
  }
  void SetEdits(int x, int y, int width, int height) const { e2e::SetRectangleEdits(panel, x, y, width, height); }
  std::wstring Caption() const { return panel.Control("EditWindowCaption").Text(); }
  e2e::Window Focused() const { return e2e::FocusedControl(panel); }
  e2e::Window Control(std::string_view name) const { return panel.Control(name); }

  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(TargetPicker, LeftDragMakesTheWindowUnderTheCursorTheTargetAndApplies) {
  SIZE client = e2e::ClientSize(target.Main());
  uint32_t mark = e2e::JournalMark();

  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));

  EXPECT_EQ(Edits(), Numbers(0, 0, client.cx, client.cy));
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Main()), 0, 0, client.cx, client.cy)));
  EXPECT_EQ(Focused(), Control("ButtonApply")) << Focused().Describe();
}

TEST_F(TargetPicker, RightDragOnlyFillsInAndEnterThenApplies) {
  SIZE client = e2e::ClientSize(target.Main());
  uint32_t mark = e2e::JournalMark();

  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()), Button::Right);
  e2e::Settle(panel);

  EXPECT_EQ(Edits(), Numbers(0, 0, client.cx, client.cy));
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a right drag must not apply";
  ASSERT_EQ(Focused(), Control("ButtonApply")) << Focused().Describe();

  panel.Activate();
  e2e::input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Main()), 0, 0, client.cx, client.cy)));
}

TEST_F(TargetPicker, AFrameMarksTheWindowUnderTheCursorUntilTheRelease) {
  auto inside = [](POINT corner, int dx, int dy) { return POINT{corner.x + dx, corner.y + dy}; };
  POINT mainBand = inside(e2e::ClientOrigin(target.Main()), 1, 1);      // in the 3-pixel frame
  POINT mainInner = inside(e2e::ClientOrigin(target.Main()), 10, 10);   // inside it
  POINT childBand = inside(e2e::ClientOrigin(target.Child()), 1, 1);
  COLORREF mainColour = e2e::ScreenPixel(mainBand);
  COLORREF innerColour = e2e::ScreenPixel(mainInner);
  COLORREF childColour = e2e::ScreenPixel(childBand);
  auto pixel = [](POINT at) { return [at] { return e2e::ScreenPixel(at); }; };

  e2e::PickerDrag drag(panel, Button::Right);
  drag.Over(e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  EXPECT_TRUE(e2e::Becomes(pixel(mainBand), e2e::Inverted(mainColour)));
  EXPECT_EQ(e2e::ScreenPixel(mainInner), innerColour);

  drag.Over(e2e::InsideChild(target), e2e::TargetCaption(target.Child()));
  EXPECT_TRUE(e2e::Becomes(pixel(childBand), e2e::Inverted(childColour)));
  EXPECT_TRUE(e2e::Becomes(pixel(mainBand), mainColour)) << "the frame of the window left stays";

  drag.Release();
  EXPECT_TRUE(e2e::Becomes(pixel(childBand), childColour)) << "the release leaves the frame on the screen";
}

TEST_F(TargetPicker, ReleasingOverThePanelItselfMakesItTheTarget) {
  e2e::Window drag = Control("PanelDrag");
  SIZE client = e2e::ClientSize(drag);
  e2e::PickerDrag picker(panel);
  picker.Over(drag.Center(), L"Searching... (" + drag.ClassName() + L")");
  uint32_t mark = e2e::JournalMark();

  picker.Release();

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(drag), 0, 0, client.cx, client.cy)));
}

TEST_F(TargetPicker, PressAndReleaseWithoutATickAppliesTheEditsAndKeepsTheTarget) {
  SetEdits(11, 22, 333, 244);
  uint32_t mark = e2e::JournalMark();

  e2e::QuickClick(Control("PanelDrag").Center());

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 11, 22, 333, 244)));
  EXPECT_EQ(e2e::Utf8(Caption()), "Desktop");
  EXPECT_EQ(Edits(), Numbers(11, 22, 333, 244));
}

TEST_F(TargetPicker, ParentWalksUpFromTheChildWithoutApplying) {
  e2e::DragPick(panel, e2e::InsideChild(target), e2e::TargetCaption(target.Child()), Button::Right);
  SIZE childClient = e2e::ClientSize(target.Child());
  EXPECT_EQ(Edits(), Numbers(0, 0, childClient.cx, childClient.cy));
  uint32_t mark = e2e::JournalMark();

  Control("ButtonParent").Click();

  SIZE client = e2e::ClientSize(target.Main());
  EXPECT_TRUE(e2e::Becomes([&] { return Caption(); }, e2e::TargetCaption(target.Main())));
  EXPECT_EQ(Edits(), Numbers(0, 0, client.cx, client.cy));
  EXPECT_EQ(Focused(), Control("ButtonApply")) << Focused().Describe();

  // The fixture's window is top-level and owned by none: no parent, no change.
  Control("EditWidth").SetText(L"17");
  Control("ButtonParent").Click();
  e2e::Settle(panel);
  EXPECT_EQ(Caption(), e2e::TargetCaption(target.Main()));
  EXPECT_EQ(Edits(), Numbers(0, 0, 17, client.cy));
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "walking up must not apply";

  // Enter applies the parent.
  panel.Activate();
  e2e::input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Main()), 0, 0, 17, client.cy)));
}

TEST_F(TargetPicker, ParentOfTheDesktopChangesNothingButTheFocus) {
  Control("EditX").SetText(L"8");
  Control("EditX").Focus();
  ASSERT_TRUE(e2e::Becomes([&] { return Focused(); }, Control("EditX")));
  uint32_t mark = e2e::JournalMark();

  Control("ButtonParent").Click();

  EXPECT_TRUE(e2e::Becomes([&] { return Focused(); }, Control("ButtonApply"))) << Focused().Describe();
  e2e::Settle(panel);
  EXPECT_EQ(e2e::Utf8(Caption()), "Desktop");
  EXPECT_EQ(Edits(), Numbers(8, 0, 320, 240));
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {}));
}

TEST_F(TargetPicker, DesktopRestoresTheRectangleAppliedAtStartUpAndApplies) {
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  uint32_t mark = e2e::JournalMark();

  Control("ButtonDesktop").Click();

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 0, 0, 320, 240)));
  EXPECT_EQ(e2e::Utf8(Caption()), "Desktop");
  EXPECT_EQ(Edits(), Numbers(0, 0, 320, 240));
}

TEST_F(TargetPicker, DesktopRestoresTheRectangleLastAppliedToTheDesktop) {
  SetEdits(5, 6, 400, 300);
  uint32_t mark = e2e::JournalMark();
  Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 5, 6, 400, 300)));
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  // A rectangle applied to another window is not the desktop's.
  SetEdits(1, 2, 30, 40);
  Control("ButtonApply").Click();
  e2e::Settle(panel);
  mark = e2e::JournalMark();

  Control("ButtonDesktop").Click();

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 5, 6, 400, 300)));
  EXPECT_EQ(e2e::Utf8(Caption()), "Desktop");
  EXPECT_EQ(Edits(), Numbers(5, 6, 400, 300));
}

// A stored width of 0: the rectangle applied at start-up is not remembered,
// so the desktop takes over the rectangle of the window picked before.
TEST(TargetPickerWithoutDesktopRectangle, DesktopKeepsThePreviousTargetsRectangle) {
  auto target = e2e::StartTargetBesidePanel();
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nsWidth=0\r\n"});
  SIZE client = e2e::ClientSize(target.Main());
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  e2e::Settle(panel);
  uint32_t mark = e2e::JournalMark();

  panel.Control("ButtonDesktop").Click();

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::DesktopArg(), 0, 0, client.cx, client.cy)));
  EXPECT_EQ(e2e::Utf8(panel.Control("EditWindowCaption").Text()), "Desktop");
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(0, 0, client.cx, client.cy));
}

}  // namespace
