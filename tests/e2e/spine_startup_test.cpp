// Start-up: one copy only, the first push, and the main window's layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/call_log.h"
#include "harness/e2e.h"

namespace {

using namespace std::chrono_literals;

std::vector<HWND> MainWindowsOnTheDesktop() {
  std::vector<HWND> found;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, e2e::kMainWindowClass, nullptr)) != nullptr) {
    found.push_back(window);
  }
  return found;
}

TEST(SpineStartup, ASecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  ASSERT_EQ(MainWindowsOnTheDesktop(), std::vector<HWND>{main.Handle()});
  e2e::CallLog log(panel);
  uint32_t before = e2e::JournalEnd();

  e2e::Process copy = panel.StartCopy();
  auto code = copy.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the second copy did not end";
  EXPECT_EQ(*code, 0u);

  auto calls = e2e::FromProcess(panel.Library().Journal(), copy.Id());
  std::erase_if(calls, [&](const e2e::Call& call) { return call.sequence <= before; });
  EXPECT_TRUE(calls.empty()) << "the second copy called the library, first " << calls.front().ToString();
  EXPECT_EQ(MainWindowsOnTheDesktop(), std::vector<HWND>{main.Handle()});
  EXPECT_TRUE(panel.Running());
  EXPECT_TRUE(log.Calls().empty()) << "the first copy was touched: " << log.Calls().front().ToString();

  // The first copy still answers and applies.
  panel.Control("EditX").SetText(L"7");
  panel.Control("ButtonApply").Click();
  EXPECT_TRUE(e2e::IsPush(log.WaitForPush(), "NOLB_SetMode(*, *, *, *, *, *)", e2e::DesktopTarget("7, 0, 320, 240")));
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(SpineStartup, InitialisesTheLibraryAndPushesTheDesktopRectangle) {
  uint32_t before = e2e::JournalEnd();
  auto panel = e2e::Panel::Start();
  e2e::CallLog log(panel, before);
  std::vector<e2e::Call> calls;
  ASSERT_TRUE(e2e::Eventually(
      [&] {
        calls = log.Calls();
        return calls.size() >= 6;
      },
      "the start-up calls reach the library"));
  // Without a settings file: rectangle 0, 0, 320 × 240; keep aspect,
  // shrink with DirectDraw, no zoom, cursor drawn, no layered windows, 0°.
  EXPECT_TRUE(e2e::Matches(calls[0], "NOLB_Init()")) << calls[0].ToString();
  std::vector<e2e::Call> push(calls.begin() + 1, calls.end());
  EXPECT_TRUE(e2e::IsPush(push, "NOLB_SetMode(1, 1, 0, 1, 0, 0)", e2e::DesktopTarget("0, 0, 320, 240")));

  NolbStateView state = panel.Library().State();
  EXPECT_EQ(state.enabled, 1);
  EXPECT_EQ(state.target, reinterpret_cast<UINT_PTR>(GetDesktopWindow()));
  EXPECT_EQ(panel.Control("EditWindowCaption").Text(), L"Desktop");
  EXPECT_EQ(panel.Close(), 0u);
}

// Places in the main window's client area: the designed place within a
// group plus the group's own place (and its group's).
struct Place {
  const char* name;
  int left, top, width, height;
};

constexpr int kTargetLeft = 8, kTargetTop = 8;                                      // GroupBoxTarget
constexpr int kFindLeft = kTargetLeft + 8, kFindTop = kTargetTop + 13;              // GroupBoxFindWindow
constexpr int kPositionLeft = kTargetLeft + 8, kPositionTop = kTargetTop + 93;      // GroupBoxPosition
constexpr int kRealtimeLeft = 8, kRealtimeTop = 216;                                // GroupBox1
constexpr int kSettingsLeft = 8, kSettingsTop = 296;                                // GroupBoxSettings

constexpr Place kPlaces[] = {
    {"GroupBoxTarget", 8, 8, 265, 201},
    {"GroupBoxFindWindow", kFindLeft, kFindTop, 249, 76},
    {"EditWindowCaption", kFindLeft + 80, kFindTop + 16, 160, 20},
    {"PanelDrag", kFindLeft + 8, kFindTop + 43, 105, 25},
    {"ButtonParent", kFindLeft + 120, kFindTop + 43, 33, 25},
    {"ButtonDesktop", kFindLeft + 160, kFindTop + 43, 81, 25},
    {"GroupBoxPosition", kPositionLeft, kPositionTop, 249, 72},
    {"ComboBoxPos", kPositionLeft + 8, kPositionTop + 18, 81, 20},
    {"ButtonAddPos", kPositionLeft + 89, kPositionTop + 18, 33, 19},
    {"ComboBoxSize", kPositionLeft + 128, kPositionTop + 18, 81, 20},
    {"ButtonAddSize", kPositionLeft + 209, kPositionTop + 18, 33, 19},
    {"Label1", kPositionLeft + 15, kPositionTop + 48, 7, 12},
    {"EditX", kPositionLeft + 28, kPositionTop + 44, 33, 20},
    {"Label2", kPositionLeft + 69, kPositionTop + 48, 7, 12},
    {"EditY", kPositionLeft + 81, kPositionTop + 44, 33, 20},
    {"Label3", kPositionLeft + 125, kPositionTop + 48, 34, 12},
    {"EditWidth", kPositionLeft + 164, kPositionTop + 44, 33, 20},
    {"Label4", kPositionLeft + 200, kPositionTop + 51, 6, 12},
    {"EditHeight", kPositionLeft + 208, kPositionTop + 44, 33, 20},
    {"ButtonSetPos", kTargetLeft + 8, kTargetTop + 170, 65, 23},
    {"ButtonSetRange", kTargetLeft + 80, kTargetTop + 170, 65, 23},
    {"ButtonApply2", kTargetLeft + 152, kTargetTop + 170, 105, 23},
    {"GroupBox1", kRealtimeLeft, kRealtimeTop, 265, 73},
    {"CheckBoxAutoWindow", kRealtimeLeft + 8, kRealtimeTop + 16, 161, 17},
    {"CheckBoxAutoMouse", kRealtimeLeft + 8, kRealtimeTop + 32, 161, 17},
    {"CheckBoxMouseCenter", kRealtimeLeft + 24, kRealtimeTop + 48, 161, 17},
    {"ButtonUncheck", kRealtimeLeft + 192, kRealtimeTop + 14, 65, 51},
    {"GroupBoxSettings", kSettingsLeft, kSettingsTop, 265, 89},
    {"CheckBoxShowCursor", kSettingsLeft + 9, kSettingsTop + 16, 124, 17},
    {"CheckBoxShowAlphaWindow", kSettingsLeft + 9, kSettingsTop + 32, 152, 17},
    {"CheckBoxFixAspect", kSettingsLeft + 9, kSettingsTop + 48, 112, 17},
    {"CheckBoxZoom", kSettingsLeft + 9, kSettingsTop + 64, 56, 17},
    {"ComboBoxRotateType", kSettingsLeft + 200, kSettingsTop + 17, 49, 20},
    {"ComboBoxBltMode", kSettingsLeft + 168, kSettingsTop + 58, 81, 20},
    {"LabelVmem", 51, 391, 43, 12},
    {"LabelHooked", 261, 391, 12, 12},
    {"ButtonPreview", 8, 408, 65, 25},
    {"ButtonHide", 80, 408, 57, 25},
    {"ButtonDisable", 152, 408, 57, 25},
    {"ButtonApply", 216, 408, 57, 25},
};

std::string PlaceText(int left, int top, int width, int height) {
  return std::to_string(left) + ", " + std::to_string(top) + ", " + std::to_string(width) + " x " +
         std::to_string(height);
}

TEST(SpineStartup, TheMainWindowAndItsControlsStandWhereDesigned) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  EXPECT_EQ(e2e::Utf8(main.Text()), "NOLB Ver.0.9.7  ◆Tz4Hn8QwL.");
  RECT frame = main.Rect();
  // Without a settings file the window opens at 16, 16 in its designed size.
  EXPECT_EQ(PlaceText(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top),
            PlaceText(16, 16, 289, 487));

  RECT client = main.ClientRect();
  for (const Place& expected : kPlaces) {
    SCOPED_TRACE(expected.name);
    RECT r = panel.Control(expected.name).Rect();
    EXPECT_EQ(PlaceText(r.left - client.left, r.top - client.top, r.right - r.left, r.bottom - r.top),
              PlaceText(expected.left, expected.top, expected.width, expected.height));
  }
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
