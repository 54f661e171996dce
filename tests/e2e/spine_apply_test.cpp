// Apply and Disable: what the controls put into the library, and when
// nothing reaches it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/call_log.h"
#include "harness/e2e.h"

namespace {

using namespace std::chrono_literals;

constexpr char kDefaultMode[] = "NOLB_SetMode(1, 1, 0, 1, 0, 0)";

struct BadNumber {
  const char* edit;
  const wchar_t* text;
  const char* message;
};

void PrintTo(const BadNumber& bad, std::ostream* out) { *out << bad.edit << " \"" << e2e::Utf8(bad.text) << "\""; }

class SpineApplyBadNumber : public ::testing::TestWithParam<BadNumber> {};

// The error box names the text; the library hears nothing, neither while
// the box is up nor after it is answered.
TEST_P(SpineApplyBadNumber, ReportsTheTextAndPushesNothing) {
  const BadNumber& bad = GetParam();
  auto panel = e2e::Panel::Start();
  panel.Control("EditX").SetText(L"10");
  panel.Control(bad.edit).SetText(bad.text);
  e2e::CallLog log(panel);

  panel.Control("ButtonApply").Click();
  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(e2e::Utf8(box.Title()), "NOLB");
  EXPECT_EQ(e2e::Utf8(box.Text()), bad.message);
  EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
  EXPECT_TRUE(e2e::CallsAre(log.Calls(), {}));

  box.Press(IDOK);
  ASSERT_TRUE(box.WaitClosed());
  // Disable's call is the next one the library hears: nothing came before it.
  panel.Control("ButtonDisable").Click();
  log.WaitForCall("NOLB_Enabled(0)");
  EXPECT_TRUE(e2e::CallsAre(log.Calls(), {"NOLB_Enabled(0)"}));
  NolbStateView state = panel.Library().State();
  EXPECT_EQ(state.x, 0) << "the library took the rectangle of a failed Apply";
  EXPECT_EQ(panel.Close(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SpineApplyBadNumber,
    ::testing::Values(BadNumber{"EditY", L"abc", "'abc' は整数ではありません."},
                      BadNumber{"EditHeight", L"2147483648", "'2147483648' は整数ではありません."},
                      BadNumber{"EditWidth", L"", "'' は整数ではありません."}),
    [](const auto& info) { return std::string(info.param.edit); });

TEST(SpineApply, EnterInAnEditAppliesWhatWasTyped) {
  auto panel = e2e::Panel::Start();
  e2e::Window width = panel.Control("EditWidth");
  width.Focus();
  ASSERT_TRUE(e2e::Becomes([] { return e2e::FocusedWindow().Name(); }, std::string("EditWidth")));
  width.Send(EM_SETSEL, 0, -1);
  e2e::input::Type(L"400");
  ASSERT_TRUE(e2e::Becomes([&] { return width.Text(); }, std::wstring(L"400")));
  e2e::CallLog log(panel);

  e2e::input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::IsPush(log.WaitForPush(), kDefaultMode, e2e::DesktopTarget("0, 0, 400, 240")));
  EXPECT_EQ(panel.Library().State().width, 400);
  EXPECT_EQ(panel.Close(), 0u);
}

// Each mode control moves its own argument of NOLB_SetMode away from the
// default, and the second Apply button applies as the first does.
TEST(SpineApply, TheModeControlsReachSetModeThroughTheSecondApplyButton) {
  auto panel = e2e::Panel::Start();
  e2e::Window bltMode = panel.Control("ComboBoxBltMode");
  e2e::Window rotation = panel.Control("ComboBoxRotateType");
  bltMode.Select(L"縮小しない");
  rotation.Select(L"270ﾟ");
  for (const char* name : {"CheckBoxZoom", "CheckBoxShowCursor", "CheckBoxShowAlphaWindow"}) {
    e2e::Window box = panel.Control(name);
    bool was = box.Checked();
    box.Click();
    ASSERT_TRUE(e2e::Becomes([&] { return box.Checked(); }, !was)) << name;
  }
  ASSERT_EQ(bltMode.Selection(), 1);
  ASSERT_EQ(rotation.Selection(), 3);
  e2e::CallLog log(panel);

  panel.Control("ButtonApply2").Click();
  EXPECT_TRUE(e2e::IsPush(log.WaitForPush(), "NOLB_SetMode(1, 0, 1, 0, 1, 3)", e2e::DesktopTarget("0, 0, 320, 240")));
  NolbStateView state = panel.Library().State();
  EXPECT_EQ(state.useDirectDraw, 0);
  EXPECT_EQ(state.rotateType, 3);
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(SpineApply, DisableSwitchesOffOutsideAGroupAndLeavesEnterToApply) {
  auto panel = e2e::Panel::Start();
  e2e::Window disable = panel.Control("ButtonDisable");
  // Enter on a focused button presses that button: start from Disable's.
  disable.Focus();
  ASSERT_TRUE(e2e::Becomes([] { return e2e::FocusedWindow().Name(); }, std::string("ButtonDisable")));
  e2e::CallLog log(panel);

  disable.Click();
  e2e::Call off = log.WaitForCall("NOLB_Enabled(0)");
  EXPECT_EQ(off.group, 0u) << "Disable ran inside a lock group";
  EXPECT_TRUE(e2e::CallsAre(log.Calls(), {"NOLB_Enabled(0)"}));
  EXPECT_EQ(panel.Library().State().enabled, 0);

  // Disable made ButtonApply the active control: Enter applies the whole group again.
  log.Mark();
  panel.Activate();
  ASSERT_TRUE(e2e::Becomes([] { return e2e::FocusedWindow().Name(); }, std::string("ButtonApply")));
  e2e::input::Press(VK_RETURN);
  EXPECT_TRUE(e2e::IsPush(log.WaitForPush(), kDefaultMode, e2e::DesktopTarget("0, 0, 320, 240")));
  EXPECT_EQ(panel.Library().State().enabled, 1);
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
