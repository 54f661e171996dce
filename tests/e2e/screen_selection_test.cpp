// Choosing the capture rectangle on the screen: "範囲指定" drags a range,
// "位置指定" places a rectangle of the current size, both on a frozen picture
// of the screen; Esc and the system's close command cancel.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"

namespace {

using e2e::input::Button;

class ScreenSelection : public ::testing::Test {
 protected:
  // Clicks the button and waits until the window shows the picture.
  e2e::Window Start(std::string_view button) const { return e2e::StartSelection(panel, button).front(); }

  void ExpectClosed() const {
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::SelectionClosed(panel); }, "the selection closes, transparent"));
  }

  void PickTheTargetWindow() const {
    e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
    e2e::Settle(panel);
  }

  std::vector<std::wstring> Edits() const { return e2e::RectangleEdits(panel); }
  std::string Caption() const { return e2e::Utf8(panel.Control("EditWindowCaption").Text()); }

  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(ScreenSelection, LeftDragAppliesTheRangeWithTheDesktopAsTarget) {
  PickTheTargetWindow();
  uint32_t mark = e2e::JournalMark();

  Start("ButtonSetRange");
  e2e::input::SettledDrag({200, 150}, {100, 50});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 100, 50, 101, 101)));
  EXPECT_EQ(Edits(), e2e::RectangleTexts(100, 50, 101, 101));
  EXPECT_EQ(Caption(), "Desktop");
  ExpectClosed();
}

TEST_F(ScreenSelection, RightDragOnlyFillsInButTheTargetIsTheDesktop) {
  PickTheTargetWindow();
  uint32_t mark = e2e::JournalMark();

  Start("ButtonSetRange");
  e2e::input::SettledDrag({300, 200}, {500, 260}, Button::Right);
  ExpectClosed();
  e2e::Settle(panel);

  EXPECT_EQ(Edits(), e2e::RectangleTexts(300, 200, 201, 61));
  EXPECT_EQ(Caption(), "Desktop");
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a right drag must not apply";

  panel.Activate();
  e2e::input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 300, 200, 201, 61)));
}

TEST_F(ScreenSelection, MiddleClickPlacesTheRectangleOfTheCurrentSizeAroundTheCursorAndApplies) {
  e2e::SetRectangleEdits(panel, 0, 0, 640, 480);  // typed, not applied: the record keeps 320 x 240
  uint32_t mark = e2e::JournalMark();

  Start("ButtonSetPos");
  e2e::input::SettledClick({1000, 500}, Button::Middle);

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 840, 380, 320, 240)));
  EXPECT_EQ(Edits(), e2e::RectangleTexts(840, 380, 320, 240));
  ExpectClosed();
}

TEST_F(ScreenSelection, EscAndTheSystemCloseCommandCancelAfterAnAppliedSelection) {
  Start("ButtonSetPos");
  uint32_t mark = e2e::JournalMark();
  e2e::input::SettledClick({1000, 500});
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 840, 380, 320, 240)));
  e2e::Settle(panel);
  mark = e2e::JournalMark();

  e2e::Window window = Start("ButtonSetPos");
  e2e::input::MoveMouse({700, 300});
  e2e::input::Press(VK_ESCAPE);
  ExpectClosed();

  Start("ButtonSetRange");
  e2e::input::MoveMouse({600, 400});
  window.Post(WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectClosed();

  e2e::Settle(panel);
  EXPECT_EQ(Edits(), e2e::RectangleTexts(840, 380, 320, 240)) << "a cancel leaves the rectangle";
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a cancel must not apply";
}

// The whole selection with the keyboard: the arrow keys move the cursor by
// a pixel, by ten with Shift. In position mode Shift+Enter places the
// rectangle around the cursor as the right button does, filling in the
// values without applying them; in range mode the first Enter starts the
// range and the second ends it, as the left button does. With Ctrl held the
// outline is the client area of the control under the cursor, as the windows
// stood when the picture was frozen, and goes with Ctrl; Ctrl+click takes it.
TEST_F(ScreenSelection, TheKeysAloneMakeAPositionAndARangeAndCtrlClickTakesAControl) {
  uint32_t mark = e2e::JournalMark();
  e2e::input::MoveMouse({1000, 500});
  e2e::BringToFront(Start("ButtonSetPos"));
  for (int i = 0; i < 5; ++i) e2e::input::Press(VK_LEFT);
  e2e::input::Chord({VK_SHIFT, VK_UP});
  e2e::input::Chord({VK_SHIFT, VK_RETURN});
  ExpectClosed();
  e2e::Settle(panel);
  EXPECT_EQ(Edits(), e2e::RectangleTexts(995 - 160, 490 - 120, 320, 240));
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "Shift+Enter must not apply";

  e2e::input::MoveMouse({200, 150});
  e2e::BringToFront(Start("ButtonSetRange"));
  for (int i = 0; i < 3; ++i) e2e::input::Press(VK_RIGHT);
  for (int i = 0; i < 2; ++i) e2e::input::Chord({VK_SHIFT, VK_DOWN});
  // Held past the key-repeat delay, Enter starts the range once.
  e2e::input::KeyDown(VK_RETURN);
  e2e::input::KeyDown(VK_RETURN);
  e2e::input::KeyUp(VK_RETURN);
  for (int i = 0; i < 5; ++i) e2e::input::Chord({VK_SHIFT, VK_RIGHT});
  for (int i = 0; i < 7; ++i) e2e::input::Press(VK_DOWN);
  e2e::input::Press(VK_RETURN);

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 203, 170, 51, 8)));
  EXPECT_EQ(Edits(), e2e::RectangleTexts(203, 170, 51, 8));
  POINT cursor{};
  EXPECT_TRUE(e2e::Eventually([&] { return GetCursorPos(&cursor) && cursor.x == 253 && cursor.y == 177; },
                              "the cursor stands where the keys took it"));
  ExpectClosed();

  const POINT corner = e2e::ClientOrigin(target.Child());
  const SIZE size = e2e::ClientSize(target.Child());
  mark = e2e::JournalMark();
  e2e::input::MoveMouse(e2e::InsideChild(target));
  e2e::BringToFront(Start("ButtonSetRange"));
  const COLORREF frozen = e2e::ScreenPixel(corner);
  e2e::input::KeyDown(VK_CONTROL);
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(corner); }, e2e::Inverted(frozen)))
      << "the outline around the control";
  e2e::input::KeyUp(VK_CONTROL);
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(corner); }, frozen)) << "Ctrl up, the mouse still";
  e2e::input::KeyDown(VK_CONTROL);
  e2e::input::Click(e2e::InsideChild(target));
  e2e::input::KeyUp(VK_CONTROL);
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::DesktopArg(), corner.x, corner.y, size.cx, size.cy)));
  ExpectClosed();
}

// Beside the readout near the cursor, the magnifier shows the frozen picture
// around the cursor eight times as large; M hides it, and the choice is kept
// in the settings file for the next start.
TEST(ScreenSelectionMagnifier, ShowsThePictureEnlargedAndMHidesItForNextTime) {
  constexpr COLORREF kColour = RGB(30, 160, 90);
  constexpr COLORREF kBorder = RGB(0, 0, 0);
  e2e::input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
  auto helper = e2e::TargetWindow::Start({.frame = {400, 200, 1000, 800}, .background = kColour});
  auto panel = e2e::Panel::Start();
  // The cursor two pixels inside the helper's left edge, below its child.
  const POINT at{e2e::ClientOrigin(helper.Main()).x + 2, e2e::ClientOrigin(helper.Main()).y + 150};
  const COLORREF leftOfEdge = e2e::ScreenPixel({at.x - 3, at.y});
  ASSERT_NE(leftOfEdge, kColour);
  // The magnifier below and right of the cursor: cells 8 pixels square
  // inside a 2-pixel border, black outside; the cursor's pixel is cell 7 of 15.
  const POINT magnifier{at.x + 20, at.y + 20};
  auto cell = [&](int column) { return POINT{magnifier.x + 2 + 8 * column + 4, magnifier.y + 2 + 8 * 7 + 4}; };
  const POINT bottomBorder{magnifier.x + 4, magnifier.y + 15 * 8 + 3};

  e2e::input::MoveMouse(at);
  e2e::BringToFront(e2e::StartSelection(panel, "ButtonSetRange").front());
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(bottomBorder); }, kBorder));
  EXPECT_EQ(e2e::ScreenPixel(cell(5)), kColour) << "the helper's first pixel";
  EXPECT_EQ(e2e::ScreenPixel(cell(4)), leftOfEdge) << "left of the helper";

  e2e::input::Press('M');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(bottomBorder); }, kColour)) << "the magnifier is gone";
  e2e::input::Press(VK_ESCAPE);
  ASSERT_TRUE(e2e::Eventually([&] { return e2e::SelectionClosed(panel); }, "the selection closes"));
  ASSERT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Select", L"Magnifier"), L"0");

  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  e2e::input::MoveMouse(at);
  e2e::StartSelection(again, "ButtonSetPos");
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(magnifier); }, kBorder)) << "the readout";
  EXPECT_EQ(e2e::ScreenPixel(bottomBorder), kColour) << "no magnifier";
  e2e::input::Press(VK_ESCAPE);
}

// The picture shown is the screen as it was before the window came up; the
// outline is drawn on that picture only and never stays on it.
TEST(ScreenSelectionPicture, ShowsTheScreenAsItWasAndKeepsNoOutline) {
  constexpr COLORREF kColour = RGB(30, 160, 90);
  e2e::input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
  auto helper = e2e::TargetWindow::Start({.frame = {500, 300, 900, 640}, .background = kColour});
  auto panel = e2e::Panel::Start();
  const POINT origin = e2e::ClientOrigin(helper.Main());
  const POINT anchor{origin.x + 200, origin.y + 150};  // inside the helper, clear of its child
  const POINT edge{anchor.x + 20, anchor.y};           // on the top edge of each outline below
  const POINT inside{anchor.x + 10, anchor.y + 10};    // inside each outline
  const POINT away{1100, 800};                         // outside the helper
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(anchor); }, kColour));
  const COLORREF background = e2e::ScreenPixel(away);
  auto start = [&](std::string_view button) { e2e::StartSelection(panel, button); };

  // The cursor waits where the drag begins: under Wine the window that
  // comes up under it may see a late move to where the cursor was then.
  e2e::input::MoveMouse(anchor);
  start("ButtonSetRange");
  e2e::input::SettleMouse(anchor);
  e2e::input::MouseDownAt(anchor);
  // Once the outline shows, the window's picture is on the screen.
  EXPECT_TRUE(e2e::Eventually([&] {
    e2e::input::MoveMouse({anchor.x + 30, anchor.y + 20});
    e2e::input::MoveMouse({anchor.x + 40, anchor.y + 30});
    return e2e::ScreenPixel(edge) == e2e::Inverted(kColour);
  }, "the outline inverts the picture"));
  EXPECT_EQ(e2e::ScreenPixel(inside), kColour) << "the picture shows the helper window";
  EXPECT_EQ(e2e::ScreenPixel(away), background);
  e2e::input::Press(VK_ESCAPE);
  e2e::input::MouseUp();
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(edge); }, kColour))
      << "nothing of the outline is on the screen";

  // A new picture each time: the helper has gone meanwhile. In position
  // mode the first paint draws the 320 x 240 outline around the cursor.
  ASSERT_EQ(helper.Close(), 0u);
  ASSERT_TRUE(e2e::Becomes([&] { return e2e::ScreenPixel(anchor); }, background));
  e2e::input::MoveMouse({anchor.x, anchor.y + 120});
  start("ButtonSetPos");
  EXPECT_TRUE(e2e::Eventually([&] { return e2e::ScreenPixel(edge) != background; }, "the outline shows"));
  EXPECT_EQ(e2e::ScreenPixel(edge), e2e::Inverted(background)) << "the picture is of the screen as it is now";
  EXPECT_EQ(e2e::ScreenPixel(inside), background);
  e2e::input::Press(VK_ESCAPE);
}

}  // namespace
