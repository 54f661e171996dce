// The settings file beside the program: what a first start shows, what an
// orderly exit writes, what a second start restores, and values that are
// out of the ordinary.
#include <gtest/gtest.h>

#include <chrono>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "harness/target_picking.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;
using Items = std::vector<std::wstring>;

RECT Place(const e2e::Panel& panel) { return panel.MainWindow().Rect(); }

std::vector<int> PlaceOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The calls made at start-up, without the timers' queries.
std::vector<e2e::Call> StartUpCalls(const e2e::Panel& panel) { return e2e::WithoutQueries(panel.Calls()); }

TEST(SettingsFile, FirstStartUsesTheDefaultsAndExitWritesAllKeysInOrder) {
  auto panel = e2e::Panel::Start();

  EXPECT_EQ(PlaceOf(Place(panel)), (std::vector<int>{16, 16, 289, 487}));
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(0, 0, 320, 240));
  EXPECT_EQ(panel.Control("ComboBoxRotateType").Selection(), 0);
  EXPECT_EQ(panel.Control("ComboBoxRotateType").Items().at(0), L"0ﾟ");
  EXPECT_TRUE(panel.Control("CheckBoxFixAspect").Checked());
  EXPECT_TRUE(panel.Control("CheckBoxShowCursor").Checked());
  EXPECT_FALSE(panel.Control("CheckBoxZoom").Checked());
  EXPECT_TRUE(panel.Control("CheckBoxZoom").Enabled());
  EXPECT_FALSE(panel.Control("CheckBoxShowAlphaWindow").Checked());
  EXPECT_EQ(panel.Control("ComboBoxBltMode").Selection(), 0);
  EXPECT_EQ(panel.Control("ComboBoxPos").Items(), (Items{L"0, 0"}));
  EXPECT_EQ(panel.Control("ComboBoxSize").Items(), (Items{L"320, 240", L"480, 360", L"640, 480", L"960, 720"}));
  std::string firstTarget = e2e::SetTargetCall(e2e::DesktopArg(), 0, 0, 320, 240);
  EXPECT_TRUE(e2e::CallsInclude(StartUpCalls(panel), {"NOLB_SetMode(1, 1, 0, 1, 0, 0)", firstTarget}));

  ASSERT_EQ(panel.Close(), 0u);

  EXPECT_EQ(e2e::SectionEntries(panel.SettingsPath(), "Main"),
            (Entries{{"Top", "16"},
                     {"Left", "16"},
                     {"Width", "289"},
                     {"Height", "487"},
                     {"X", "0"},
                     {"Y", "0"},
                     {"sWidth", "320"},
                     {"sHeight", "240"},
                     {"FixAspect", "1"},
                     {"RotateType", "0"},
                     {"Zoom", "0"},
                     {"ShowCursor", "1"},
                     {"ShowAlphaWindow", "0"},
                     {"BltMode", "0"},
                     {"ShowRange", "0"},
                     {"CentreCursor", "0"},
                     {"AlphaBlend", "0"},
                     {"AlphaBlendValue", "255"},
                     {"Reacquire", "0"},
                     {"RealtimeInterval", "33"},
                     {"SmoothFollow", "0"},
                     {"KeepOnScreen", "0"},
                     {"MinimiseToTray", "0"},
                     {"ExcludeFromCapture", "0"}}));
  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListPos.txt"), "0, 0\r\n");
  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListSize.txt"),
            "320, 240\r\n480, 360\r\n640, 480\r\n960, 720\r\n");
  EXPECT_FALSE(std::filesystem::exists(panel.PerUserFolder())) << "a writable folder wrote into the user's folder";
}

TEST(SettingsFile, ASecondStartRestoresPlaceRectangleModesAndPresets) {
  auto first = e2e::Panel::Start();
  HWND main = first.MainWindow().Handle();
  ASSERT_TRUE(SetWindowPos(main, nullptr, 100, 120, 300, 520, SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_TRUE(e2e::Becomes([&] { return PlaceOf(Place(first)); }, std::vector<int>{100, 120, 300, 520}));
  e2e::SetRectangleEdits(first, 10, 20, 640, 480);
  uint32_t mark = e2e::JournalMark();
  first.Control("ButtonApply").Click();
  ASSERT_FALSE(e2e::Named(e2e::WaitForPush(first, mark), "NOLB_Unlock").empty());
  first.Menu('O', 'S');  // the glide alone
  first.Control("CheckBoxZoom").Click();
  first.Control("CheckBoxFixAspect").Click();
  first.Control("CheckBoxShowCursor").Click();
  first.Control("CheckBoxShowAlphaWindow").Click();
  first.Control("CheckBoxMouseCenter").Click();
  first.Control("ComboBoxRotateType").Select(2);
  first.Control("ComboBoxBltMode").Select(1);
  first.Control("ButtonAddSize").Click();
  first.Control("ButtonAddPos").Click();
  e2e::Settle(first);
  ASSERT_FALSE(first.Control("CheckBoxZoom").Enabled());
  ASSERT_EQ(first.Close(), 0u);

  auto second = e2e::Panel::Start(e2e::CarriedOver(first));

  EXPECT_EQ(PlaceOf(Place(second)), (std::vector<int>{100, 120, 300, 520}));
  EXPECT_EQ(e2e::RectangleEdits(second), e2e::RectangleTexts(10, 20, 640, 480));
  EXPECT_FALSE(second.Control("CheckBoxFixAspect").Checked());
  EXPECT_TRUE(second.Control("CheckBoxZoom").Checked());
  EXPECT_FALSE(second.Control("CheckBoxZoom").Enabled());
  EXPECT_FALSE(second.Control("CheckBoxShowCursor").Checked());
  EXPECT_TRUE(second.Control("CheckBoxShowAlphaWindow").Checked());
  EXPECT_TRUE(second.Control("CheckBoxMouseCenter").Checked());
  EXPECT_EQ(second.Control("ComboBoxRotateType").Selection(), 2);
  EXPECT_EQ(second.Control("ComboBoxBltMode").Selection(), 1);
  EXPECT_EQ(second.Control("ComboBoxPos").Items(), (Items{L"0, 0", L"10, 20"}));
  EXPECT_EQ(second.Control("ComboBoxSize").Items(),
            (Items{L"320, 240", L"480, 360", L"640, 480", L"960, 720", L"640, 480"}));
  std::string firstTarget = e2e::SetTargetCall(e2e::DesktopArg(), 10, 20, 640, 480);
  EXPECT_TRUE(e2e::CallsInclude(StartUpCalls(second), {"NOLB_SetMode(0, 0, 1, 0, 1, 2)", firstTarget}));
  ASSERT_EQ(second.Close(), 0u);
  EXPECT_EQ(second.Setting(L"Main", L"SmoothFollow"), std::optional<std::wstring>(L"1")) << "the glide alone, read back";
  EXPECT_EQ(second.Setting(L"Main", L"KeepOnScreen"), std::optional<std::wstring>(L"0"));
}

TEST(SettingsFile, OddStoredValuesAreRaisedDefaultedOrCut) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nHeight=100\r\nX=abc\r\nY=-7\r\nRotateType=7\r\n"
                                              "FixAspect=0\r\nBltMode=5\r\nAlphaBlendValue=300\r\n"});

  EXPECT_EQ(PlaceOf(Place(panel))[3], 487);
  EXPECT_EQ(e2e::RectangleEdits(panel), e2e::RectangleTexts(0, -7, 320, 240));
  EXPECT_EQ(panel.Control("ComboBoxRotateType").Selection(), 0);
  EXPECT_FALSE(panel.Control("CheckBoxFixAspect").Checked());
  EXPECT_FALSE(panel.Control("CheckBoxZoom").Enabled());
  // No shrink method chosen: no shrinking; the rotation is never -1.
  EXPECT_EQ(panel.Control("ComboBoxBltMode").Selection(), -1);
  EXPECT_TRUE(e2e::CallsInclude(StartUpCalls(panel), {"NOLB_SetMode(0, 0, *, *, *, 0)"}));

  ASSERT_EQ(panel.Close(), 0u);

  EXPECT_EQ(panel.Setting(L"Main", L"Height"), L"487");
  EXPECT_EQ(panel.Setting(L"Main", L"X"), L"0");
  EXPECT_EQ(panel.Setting(L"Main", L"RotateType"), L"0");
  EXPECT_EQ(panel.Setting(L"Main", L"AlphaBlendValue"), L"44");
}

TEST(SettingsFile, ANumberWithManyLeadingZerosIsReadWhole) {
  std::string width = std::string(300, '0') + "321";
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nsWidth=" + width + "\r\n"});

  EXPECT_EQ(e2e::Utf8(panel.Control("EditWidth").Text()), "321");
}

TEST(SettingsFile, ExitStoresTheDesktopRectangleNotTheLastWindowsOne) {
  auto target = e2e::StartTargetBesidePanel();
  auto panel = e2e::Panel::Start();
  e2e::SetRectangleEdits(panel, 3, 4, 500, 400);
  uint32_t mark = e2e::JournalMark();
  panel.Control("ButtonApply").Click();
  ASSERT_FALSE(e2e::Named(e2e::WaitForPush(panel, mark), "NOLB_Unlock").empty());
  SIZE client = e2e::ClientSize(target.Main());
  mark = e2e::JournalMark();
  e2e::DragPick(panel, e2e::InsideMainNotChild(target), e2e::TargetCaption(target.Main()));
  ASSERT_TRUE(e2e::CallsAreList(e2e::WaitForPush(panel, mark),
                                e2e::PushOf(e2e::HandleArg(target.Main()), 0, 0, client.cx, client.cy)));
  mark = e2e::JournalMark();

  ASSERT_EQ(panel.Close(), 0u);

  std::vector<std::string> shutDown = e2e::PushOf(e2e::DesktopArg(), 3, 4, 500, 400);
  shutDown.insert(shutDown.end(),
                  {"NOLB_SetMousePos(-2147483648, -2147483648)", "NOLB_Enabled(0)", "NOLB_Uninit"});
  EXPECT_TRUE(e2e::CallsAreList(e2e::CallsSince(panel, mark), shutDown));
  EXPECT_EQ(panel.Setting(L"Main", L"X"), L"3");
  EXPECT_EQ(panel.Setting(L"Main", L"Y"), L"4");
  EXPECT_EQ(panel.Setting(L"Main", L"sWidth"), L"500");
  EXPECT_EQ(panel.Setting(L"Main", L"sHeight"), L"400");
}

// A program under "Program Files": its folder, here also the current
// directory, takes no new file. The settings file and the lists go into the
// user's folder without a message; the next start reads them from there,
// and the settings file shipped beside the program only until then.
TEST(SettingsFile, AFolderThatTakesNoNewFileKeepsTheFilesInTheUsersFolder) {
  e2e::TempFolder appData;
  const std::string shipped = "[Main]\r\nX=5\r\nsWidth=400\r\n";
  const e2e::PanelOptions options{.settings = shipped, .appData = appData.Path(), .readOnlyFolder = true};
  std::optional<e2e::Panel> first;
  try {
    first.emplace(e2e::Panel::Start(options));
  } catch (const e2e::MountRefused& refused) {
    GTEST_SKIP() << "a folder the program cannot write is a read-only bind mount, which needs root: "
                 << refused.what();
  }
  EXPECT_EQ(e2e::RectangleEdits(*first), e2e::RectangleTexts(5, 0, 400, 240)) << "the shipped file is read";
  e2e::SetRectangleEdits(*first, 7, 8, 400, 240);
  uint32_t mark = e2e::JournalMark();
  first->Control("ButtonApply").Click();
  e2e::WaitForPush(*first, mark);
  first->Control("ButtonAddPos").Click();
  e2e::Settle(*first);
  ASSERT_EQ(first->Close(), 0u) << "no message box holds the exit";

  const std::filesystem::path perUser = first->PerUserFolder();
  EXPECT_EQ(e2e::SectionEntries(perUser / L"NOLBPanel.ini", "Main").at(4), (std::pair<std::string, std::string>{"X", "7"}));
  EXPECT_EQ(e2e::ReadFile(perUser / L"ListPos.txt"), "0, 0\r\n7, 8\r\n");
  EXPECT_EQ(e2e::ReadFile(perUser / L"ListSize.txt"), "320, 240\r\n480, 360\r\n640, 480\r\n960, 720\r\n");
  EXPECT_EQ(e2e::ReadFile(first->SettingsPath()), shipped);
  EXPECT_FALSE(std::filesystem::exists(first->Folder() / L"ListPos.txt"));

  auto second = e2e::Panel::Start(options);
  EXPECT_EQ(e2e::RectangleEdits(second), e2e::RectangleTexts(7, 8, 400, 240));
  EXPECT_EQ(second.Control("ComboBoxPos").Items(), (Items{L"0, 0", L"7, 8"}));
  ASSERT_EQ(second.Close(), 0u);

  // Only the current folder takes no new file: the lists alone go to the
  // user's folder, which is made for them.
  e2e::TempFolder work, fresh;
  e2e::ReadOnlyMount locked(work.Path());
  auto third = e2e::Panel::Start({.currentDirectory = work.Path().wstring(), .appData = fresh.Path()});
  third.Control("ButtonAddPos").Click();
  e2e::Settle(third);
  ASSERT_EQ(third.Close(), 0u) << "no message box holds the exit";
  EXPECT_EQ(e2e::ReadFile(fresh.Path() / L"NOLB" / L"ListPos.txt"), "0, 0\r\n0, 0\r\n");
  EXPECT_TRUE(third.Setting(L"Main", L"X")) << "the settings stay beside the program";
  EXPECT_FALSE(std::filesystem::exists(fresh.Path() / L"NOLB" / L"NOLBPanel.ini"));
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsReportedAndTheExitGoesOn) {
  auto panel = e2e::Panel::Start();
  // A folder in the settings file's place: no key can be written.
  std::filesystem::create_directory(panel.SettingsPath());
  uint32_t mark = e2e::JournalMark();

  panel.RequestClose();

  // Each window that writes its section reports it: the preview window and
  // the hotkey dialog, then the main window, and the selection window once
  // the main window has gone. The status line ticks under the first two;
  // once the main window's shut-down has begun, no tick reaches the library
  // while a report is up (watched for three ticks' time).
  for (int window = 0; window < 4; ++window) {
    e2e::MessageDialog box = panel.WaitForMessageBox();
    const uint32_t shown = e2e::JournalMark();
    if (window < 2) {
      EXPECT_TRUE(e2e::Eventually([&] { return e2e::StatusTicksSince(panel, shown) > 0; }, "a status tick"));
    } else {
      const auto watched = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
      e2e::WaitUntil([&] { return std::chrono::steady_clock::now() >= watched; });
      EXPECT_EQ(e2e::StatusTicksSince(panel, shown), 0u);
    }
    EXPECT_EQ(e2e::Utf8(box.Title()), "NOLB");
    EXPECT_EQ(e2e::Utf8(box.Text()), e2e::Utf8(panel.SettingsPath().wstring()) + " に書き込めません.");
    box.Press(IDOK);
    ASSERT_TRUE(box.WaitClosed());
  }
  ASSERT_EQ(panel.WaitForExit(), 0u);

  auto calls = e2e::CallsSince(panel, mark);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_TRUE(e2e::CallsAreList({calls.end() - 2, calls.end()}, {"NOLB_Enabled(0)", "NOLB_Uninit"}));
  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListPos.txt"), "0, 0\r\n");
  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListSize.txt"),
            "320, 240\r\n480, 360\r\n640, 480\r\n960, 720\r\n");
}

}  // namespace
