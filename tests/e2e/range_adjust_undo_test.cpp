// One walk: a Shift drag keeps the edits' ratio; the range is adjusted in place by mouse
// and keys; three pushes are undone in turn (Ctrl+Z) and the last undone redone.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/focus_change.h"
#include "harness/panel_session.h"
#include "harness/screen_selection.h"
#include "harness/target_picking.h"

namespace {

using e2e::input::Chord;
using e2e::input::Press;

// One push of the desktop with the designed modes at a rotation.
std::vector<std::string> DesktopPush(int rotation, int x, int y, int width, int height) {
  return {"NOLB_Lock", "NOLB_SetMode(1, 1, 0, 1, 0, " + std::to_string(rotation) + ")",
          e2e::SetTargetCall(e2e::DesktopArg(), x, y, width, height), "NOLB_Enabled(1)", "NOLB_Unlock"};
}

TEST(RangeAdjustAndUndo, RatioWhileDrawingAdjustingInPlaceAndThreeUndosAndARedo) {
  auto panel = e2e::Panel::Start();
  uint32_t mark = e2e::JournalMark();

  // Shift held: the drag spans 400 x 151 pixels; the width decides.
  e2e::input::MoveMouse({200, 150});
  e2e::BringToFront(e2e::StartSelection(panel, "ButtonSetRange").front());
  {
    e2e::DisplayKeyHeld shift("shift", VK_SHIFT);
    e2e::input::SettledDrag({200, 150}, {599, 300});
  }
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), DesktopPush(0, 200, 150, 400, 300)));

  // (200, 150)-(599, 449) moved by (50, 20), its bottom-right handle taken to (689, 499),
  // then three pixels right, ten down, two narrower and ten lower.
  e2e::Settle(panel);
  mark = e2e::JournalMark();
  panel.Menu('O', 'A');
  e2e::BringToFront(e2e::WaitForSelection(panel).front());
  e2e::input::SettledDrag({300, 250}, {350, 270});
  e2e::input::SettledDrag({649, 469}, {689, 499});
  for (int i = 0; i < 3; ++i) Press(VK_RIGHT);
  Chord({VK_SHIFT, VK_DOWN});
  for (int i = 0; i < 2; ++i) Chord({VK_CONTROL, VK_LEFT});
  Chord({VK_CONTROL, VK_SHIFT, VK_UP});
  Press(VK_RETURN);
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), DesktopPush(0, 253, 180, 438, 320)));

  // A third push, with another rotation.
  e2e::Settle(panel);
  e2e::SetRectangleEdits(panel, 10, 20, 640, 480);
  panel.Control("ComboBoxRotateType").Select(3);
  mark = e2e::JournalMark();
  panel.Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), DesktopPush(3, 10, 20, 640, 480)));

  // The set-up before each push in turn, the rotation too, and the last undone again.
  const struct {
    WORD key;
    int x, y, width, height;
  } steps[] = {{'Z', 253, 180, 438, 320}, {'Z', 200, 150, 400, 300}, {'Z', 0, 0, 320, 240}, {'Y', 200, 150, 400, 300}};
  for (const auto& s : steps) {
    e2e::Settle(panel);
    mark = e2e::JournalMark();
    panel.Activate();
    Chord({VK_CONTROL, s.key});
    EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), DesktopPush(0, s.x, s.y, s.width, s.height)))
        << "Ctrl+" << char(s.key);
    e2e::Settle(panel);
    EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(s.x, s.y, s.width, s.height));
    EXPECT_EQ(panel.Control("ComboBoxRotateType").Selection(), 0);
  }
}

}  // namespace
