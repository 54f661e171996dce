// Choosing the capture rectangle on the screen: "範囲指定" drags a range,
// "位置指定" places a rectangle of the current size, both on a frozen picture
// of the screen; Esc and the system's close command cancel.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using e2e::input::Button;

BYTE Opacity(const e2e::Window& window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return 0;
  return alpha;
}

class ScreenSelection : public ::testing::Test {
 protected:
  // The selection window, made hidden at start-up.
  e2e::Window SelectionWindow() const {
    for (const auto& window : panel.TopLevelWindows()) {
      if (window.ClassName() == L"TFormSelect") return window;
    }
    throw e2e::HarnessError("no selection window");
  }

  // Clicks the button and waits until the window shows the picture.
  e2e::Window Start(std::string_view button) const {
    panel.Control(button).Click();
    e2e::Window window = SelectionWindow();
    if (!e2e::WaitUntil([&] { return window.Visible() && Opacity(window) == 255; })) {
      throw e2e::HarnessError("the selection window did not come up");
    }
    return window;
  }

  static void ExpectClosed(const e2e::Window& window) {
    EXPECT_TRUE(e2e::Eventually([&] { return !window.Visible(); }, "the selection window closes"));
    EXPECT_EQ(Opacity(window), 0) << "transparent again after the close";
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

  e2e::Window window = Start("ButtonSetRange");
  e2e::input::SettledDrag({200, 150}, {100, 50});

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 100, 50, 101, 101)));
  EXPECT_EQ(Edits(), e2e::RectangleTexts(100, 50, 101, 101));
  EXPECT_EQ(Caption(), "Desktop");
  ExpectClosed(window);
}

TEST_F(ScreenSelection, RightDragOnlyFillsInButTheTargetIsTheDesktop) {
  PickTheTargetWindow();
  uint32_t mark = e2e::JournalMark();

  e2e::Window window = Start("ButtonSetRange");
  e2e::input::SettledDrag({300, 200}, {500, 260}, Button::Right);
  ExpectClosed(window);
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

  e2e::Window window = Start("ButtonSetPos");
  e2e::input::SettledClick({1000, 500}, Button::Middle);

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(e2e::DesktopArg(), 840, 380, 320, 240)));
  EXPECT_EQ(Edits(), e2e::RectangleTexts(840, 380, 320, 240));
  ExpectClosed(window);
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
  ExpectClosed(window);

  Start("ButtonSetRange");
  e2e::input::MoveMouse({600, 400});
  window.Post(WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectClosed(window);

  e2e::Settle(panel);
  EXPECT_EQ(Edits(), e2e::RectangleTexts(840, 380, 320, 240)) << "a cancel leaves the rectangle";
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a cancel must not apply";
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
  auto start = [&](std::string_view button) {
    panel.Control(button).Click();
    EXPECT_TRUE(e2e::Eventually([&] {
      for (const auto& window : panel.TopLevelWindows()) {
        if (window.ClassName() == L"TFormSelect" && window.Visible() && Opacity(window) == 255) return true;
      }
      return false;
    }, "the selection window comes up"));
  };

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
