// The preset list files ListPos.txt and ListSize.txt in the current
// directory: read at start-up, written anew at exit.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"

namespace {

using Items = std::vector<std::wstring>;

constexpr char kDesignedSizes[] = "320, 240\r\n480, 360\r\n640, 480\r\n960, 720\r\n";

TEST(PresetLists, LiveInTheCurrentDirectoryWhileTheSettingsFileStaysBesideTheProgram) {
  // CR LF, LF and CR line ends, a line that is no preset, a last line without end.
  auto panel = e2e::Panel::Start({.listPos = "1, 2\r\n3, 4\n5, 6\rnot a preset\r\n-7, 8",
                                  .listSize = "",
                                  .currentDirectory = L"work"});

  EXPECT_EQ(panel.Control("ComboBoxPos").Items(), (Items{L"1, 2", L"3, 4", L"5, 6", L"not a preset", L"-7, 8"}));
  EXPECT_EQ(panel.Control("ComboBoxSize").Items(), Items{}) << "an empty file gives an empty list";

  ASSERT_EQ(panel.Close(), 0u);

  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListPos.txt"),
            "1, 2\r\n3, 4\r\n5, 6\r\nnot a preset\r\n-7, 8\r\n");
  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListSize.txt"), "");
  EXPECT_TRUE(std::filesystem::exists(panel.SettingsPath()));
  EXPECT_FALSE(std::filesystem::exists(panel.CurrentDirectory() / L"NOLBPanel.ini"));
  EXPECT_FALSE(std::filesystem::exists(panel.Folder() / L"ListPos.txt"));
  EXPECT_FALSE(std::filesystem::exists(panel.Folder() / L"ListSize.txt"));
}

TEST(PresetLists, KeepTheBytesOfAHandEditedLineUnchanged) {
  // "あ 日本, 1" in the Japanese code page, and a line longer than any preset.
  std::string japanese = "\x82\xa0 \x93\xfa\x96\x7b, 1";
  std::string long_line = "1, 2" + std::string(500, ' ') + "x";
  auto panel = e2e::Panel::Start({.listPos = japanese + "\r\n" + long_line + "\r\n"});

  EXPECT_EQ(panel.Control("ComboBoxPos").Items().size(), 2u);
  ASSERT_EQ(panel.Close(), 0u);

  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListPos.txt"), japanese + "\r\n" + long_line + "\r\n");
}

TEST(PresetLists, AListFileThatCannotBeCreatedIsReportedAndTheExitGoesOn) {
  // A current directory of its own (an absolute path replaces the panel's
  // subfolder) with a folder in the list file's place: the file can be
  // neither read nor created.
  e2e::TempFolder work;
  std::filesystem::create_directory(work.Path() / L"ListPos.txt");
  auto panel = e2e::Panel::Start({.currentDirectory = work.Path().wstring()});
  EXPECT_EQ(panel.Control("ComboBoxPos").Items(), (Items{L"0, 0"})) << "an unreadable file keeps the designed items";
  uint32_t mark = e2e::JournalMark();

  panel.RequestClose();

  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(e2e::Utf8(box.Title()), "NOLB");
  EXPECT_EQ(e2e::Utf8(box.Text()), "ファイル ListPos.txt を作成できません.");
  box.Press(IDOK);
  ASSERT_EQ(panel.WaitForExit(), 0u);

  EXPECT_EQ(e2e::ReadFile(panel.CurrentDirectory() / L"ListSize.txt"), kDesignedSizes);
  EXPECT_EQ(panel.Setting(L"Main", L"sWidth"), L"320");
  auto calls = e2e::CallsSince(panel, mark);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_TRUE(e2e::CallsAreList({calls.end() - 2, calls.end()}, {"NOLB_Enabled(0)", "NOLB_Uninit"}));
}

}  // namespace
