// The picker's drag against what a real desktop does to it: quick second
// presses, a second button, stray releases, a lost mouse capture.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using e2e::input::Button;

constexpr wchar_t kIdle[] = L"Drag here.";
constexpr wchar_t kSearching[] = L"Searching...";

class TargetPickerDrag : public ::testing::Test {
 protected:
  std::wstring PanelText() const { return panel.Control("PanelDrag").Text(); }
  // A point on the 3-pixel frame that the drag inverts around the target's client area.
  POINT FramePoint() const {
    POINT origin = e2e::ClientOrigin(target.Main());
    return {origin.x + 1, origin.y + 1};
  }
  static auto Pixel(POINT at) { return [at] { return e2e::ScreenPixel(at); }; }

  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start();
};

// The second press of a quick double press arrives as a double-click.
TEST_F(TargetPickerDrag, ASecondPressWithinTheDoubleClickTimeStartsADrag) {
  for (Button button : {Button::Left, Button::Right}) {
    POINT at = panel.Control("PanelDrag").Center();
    e2e::QuickClick(at, button);
    e2e::input::MouseDown(button);
    EXPECT_TRUE(e2e::Becomes([&] { return PanelText(); }, std::wstring(kSearching)));
    e2e::input::MouseUp(button);
    EXPECT_TRUE(e2e::Becomes([&] { return PanelText(); }, std::wstring(kIdle)));
    e2e::Settle(panel);
  }
}

// A second button pressed and released during a drag ends it like a right
// release; the first button's release afterwards, and any release that
// reaches the panel outside a drag, change nothing.
TEST_F(TargetPickerDrag, ButtonsOutsideTheDragNeitherApplyNorLeaveAFrame) {
  POINT frame = FramePoint();
  COLORREF colour = e2e::ScreenPixel(frame);
  POINT over = e2e::InsideMainNotChild(target);
  e2e::PickerDrag drag(panel, Button::Left);
  drag.Over(over, e2e::TargetCaption(target.Main()));
  ASSERT_TRUE(e2e::Becomes(Pixel(frame), e2e::Inverted(colour)));
  uint32_t mark = e2e::JournalMark();

  e2e::QuickClick(over, Button::Right);
  EXPECT_TRUE(e2e::Becomes([&] { return PanelText(); }, std::wstring(kIdle)));
  EXPECT_TRUE(e2e::Becomes(Pixel(frame), colour)) << "the frame stays after the drag";
  drag.Release();
  panel.Control("PanelDrag").Post(WM_LBUTTONUP);
  panel.Control("PanelDrag").Post(WM_RBUTTONUP);
  e2e::Settle(panel);

  EXPECT_EQ(e2e::ScreenPixel(frame), colour) << "a release outside the drag drew the frame again";
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a release outside the drag applied";
  EXPECT_EQ(PanelText(), kIdle);
}

// Another window taking the capture, or the system cancelling it, ends the
// drag as a right release does.
TEST_F(TargetPickerDrag, LosingTheCaptureEndsTheDragWithoutApplying) {
  POINT frame = FramePoint();
  COLORREF colour = e2e::ScreenPixel(frame);
  e2e::PickerDrag drag(panel, Button::Left);
  drag.Over(e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  ASSERT_TRUE(e2e::Becomes(Pixel(frame), e2e::Inverted(colour)));
  uint32_t mark = e2e::JournalMark();

  panel.Control("PanelDrag").Send(WM_CANCELMODE);

  EXPECT_TRUE(e2e::Becomes([&] { return PanelText(); }, std::wstring(kIdle)));
  EXPECT_TRUE(e2e::Becomes(Pixel(frame), colour)) << "the frame stays after the drag";
  // The search has stopped: the window under the cursor is no longer taken.
  e2e::input::MoveMouse(e2e::InsideChild(target));
  drag.Release();
  e2e::Settle(panel);
  EXPECT_FALSE(e2e::WaitUntil([&] { return panel.Control("EditWindowCaption").Text() != e2e::TargetCaption(target.Main()); },
                              std::chrono::milliseconds(300)))
      << "the picker still follows the cursor";
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "a lost capture applied";
}

}  // namespace
