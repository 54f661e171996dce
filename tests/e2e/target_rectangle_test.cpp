// The capture rectangle: the preset lists, moving between the edits with the
// numeric keypad, and converting between window and desktop coordinates.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using Items = std::vector<std::wstring>;

TEST(Presets, AddingAppendsTheEditsAsLastItemEvenTwiceAndDoesNotApply) {
  auto panel = e2e::Panel::Start();
  e2e::SetRectangleEdits(panel, 7, -3, 640, 480);
  int sizeSelection = panel.Control("ComboBoxSize").Selection();
  uint32_t mark = e2e::JournalMark();

  panel.Control("ButtonAddSize").Click();
  panel.Control("ButtonAddSize").Click();
  panel.Control("ButtonAddPos").Click();
  e2e::Settle(panel);

  EXPECT_EQ(panel.Control("ComboBoxSize").Items(),
            (Items{L"320, 240", L"480, 360", L"640, 480", L"960, 720", L"640, 480", L"640, 480"}));
  EXPECT_EQ(panel.Control("ComboBoxPos").Items(), (Items{L"0, 0", L"7, -3"}));
  EXPECT_EQ(panel.Control("ComboBoxSize").Selection(), sizeSelection);
  EXPECT_EQ(e2e::FocusedControl(panel), panel.Control("ButtonApply")) << e2e::FocusedControl(panel).Describe();
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), {})) << "adding a preset must not apply";
}

TEST(Presets, AnEditThatIsNoNumberStopsTheAddWithAMessage) {
  auto panel = e2e::Panel::Start();
  panel.Control("EditX").SetText(L"abc");

  panel.Control("ButtonAddPos").Click();

  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(e2e::Utf8(box.Title()), "NOLB");
  EXPECT_EQ(e2e::Utf8(box.Text()), "'abc' は整数ではありません.");
  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  EXPECT_EQ(panel.Control("ComboBoxPos").Items(), (Items{L"0, 0"}));
}

TEST(Presets, ChoosingAnItemWritesTwoEditsAndAppliesAlsoWhenItHoldsNoPair) {
  auto panel = e2e::Panel::Start({.listPos = "0, 0\r\n-5, 7\r\n", .listSize = "320, 240\r\nabc\r\n640, 480\r\n"});
  e2e::SetRectangleEdits(panel, 0, 0, 100, 100);
  int32_t desktop = e2e::DesktopArg();

  uint32_t mark = e2e::JournalMark();
  panel.Control("ComboBoxSize").Select(L"640, 480");
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(desktop, 0, 0, 640, 480)));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(0, 0, 640, 480));

  mark = e2e::JournalMark();
  panel.Control("ComboBoxPos").Select(L"-5, 7");
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(desktop, -5, 7, 640, 480)));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(-5, 7, 640, 480));

  panel.Control("EditWidth").SetText(L"321");
  mark = e2e::JournalMark();
  panel.Control("ComboBoxSize").Select(L"abc");
  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark), e2e::PushOf(desktop, -5, 7, 321, 480)));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(-5, 7, 321, 480));
}

class KeypadDecimal : public ::testing::Test {
 protected:
  // Gives the edit the focus with the text, the caret at its end.
  void Prepare(std::string_view edit, const std::wstring& text) {
    panel.Control(edit).SetText(text);
    panel.Activate();
    panel.Control(edit).Focus();
    ASSERT_TRUE(e2e::Becomes([&] { return e2e::FocusedControl(panel); }, panel.Control(edit)));
    e2e::input::Press(VK_END);
  }
  e2e::Window Focused() const { return e2e::FocusedControl(panel); }

  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(KeypadDecimal, TypedInXTakesTheDotBackAndMovesToY) {
  Prepare("EditX", L"12");

  e2e::input::Press(VK_DECIMAL);

  EXPECT_TRUE(e2e::Becomes([&] { return Focused(); }, panel.Control("EditY"))) << Focused().Describe();
  EXPECT_EQ(e2e::Utf8(panel.Control("EditX").Text()), "12");
}

TEST_F(KeypadDecimal, ReleasedInWidthRemovesTheLastCharacterAndMovesToHeight) {
  Prepare("EditWidth", L"64.");

  e2e::input::KeyUp(VK_DECIMAL);

  EXPECT_TRUE(e2e::Becomes([&] { return Focused(); }, panel.Control("EditHeight"))) << Focused().Describe();
  EXPECT_EQ(e2e::Utf8(panel.Control("EditWidth").Text()), "64");
}

TEST_F(KeypadDecimal, RemovesTheLastCharacterWhereverTheCaretIs) {
  Prepare("EditX", L"123");
  e2e::input::Press(VK_HOME);

  e2e::input::Press(VK_DECIMAL);

  EXPECT_TRUE(e2e::Becomes([&] { return Focused(); }, panel.Control("EditY"))) << Focused().Describe();
  EXPECT_EQ(e2e::Utf8(panel.Control("EditX").Text()), ".12");
}

TEST_F(KeypadDecimal, IsAnOrdinaryKeyInY) {
  Prepare("EditY", L"3");

  e2e::input::Press(VK_DECIMAL);

  EXPECT_TRUE(e2e::Becomes([&] { return panel.Control("EditY").Text(); }, std::wstring(L"3.")));
  EXPECT_EQ(Focused(), panel.Control("EditY")) << Focused().Describe();
}

class CoordinateConversion : public ::testing::Test {
 protected:
  e2e::TargetWindow target = e2e::StartTargetBesidePanel();
  e2e::Panel panel = e2e::Panel::Start();
};

TEST_F(CoordinateConversion, ToDesktopKeepsThePickedPlaceOnTheScreenAndApplies) {
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  SIZE client = e2e::ClientSize(target.Main());
  POINT origin = e2e::ClientOrigin(target.Main());
  // Typed but not applied: the conversion takes the picked values.
  panel.Control("EditX").SetText(L"99");
  e2e::Settle(panel);
  uint32_t mark = e2e::JournalMark();

  panel.Menu('O', 'C');

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::DesktopArg(), origin.x, origin.y, client.cx, client.cy)));
  EXPECT_EQ(e2e::Utf8(panel.Control("EditWindowCaption").Text()), "Desktop");
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(origin.x, origin.y, client.cx, client.cy));
}

TEST_F(CoordinateConversion, ToWindowTakesTheChildControlAtTheCornerAndApplies) {
  POINT child = e2e::ClientOrigin(target.Child());
  e2e::SetRectangleEdits(panel, child.x + 5, child.y + 4, 100, 50);
  uint32_t mark = e2e::JournalMark();
  panel.Control("ButtonApply").Click();
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::DesktopArg(), child.x + 5, child.y + 4, 100, 50)));
  mark = e2e::JournalMark();

  panel.Menu('O', 'D');

  EXPECT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Child()), 5, 4, 100, 50)));
  EXPECT_EQ(panel.Control("EditWindowCaption").Text(), e2e::TargetCaption(target.Child()));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(5, 4, 100, 50));
}

}  // namespace
