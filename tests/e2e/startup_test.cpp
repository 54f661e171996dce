// Starting and ending the program, and its check of the capture hook library.
#include <gtest/gtest.h>

#include "harness/e2e.h"

namespace {

TEST(Startup, ShowsTheMainWindowAndEndsWhenClosed) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(e2e::Utf8(main.Text()), "NOLB Ver.0.9.7  ◆Tz4Hn8QwL.");
  EXPECT_EQ(panel.Close(), 0u);
}

// A missing library, or one without a function, ends the program after an
// error message titled "NOLB" that names what is missing.
void ExpectLibraryError(e2e::Panel& panel, const std::wstring& named) {
  e2e::MessageDialog box = panel.WaitForMessageBox();
  EXPECT_EQ(e2e::Utf8(box.Title()), "NOLB");
  EXPECT_NE(box.Text().find(named), std::wstring::npos)
      << "the message \"" << e2e::Utf8(box.Text()) << "\" does not name " << e2e::Utf8(named);
  EXPECT_FALSE(panel.FindControl("ButtonApply")) << "the main window was made although the library is unusable";
  box.Press(IDOK);
  EXPECT_NE(panel.WaitForExit(), 0u);
}

TEST(Startup, WithoutTheLibraryReportsItAndFails) {
  auto panel = e2e::Panel::Start({.library = L"", .waitForMainWindow = false});
  ExpectLibraryError(panel, L"NOLB.DLL");
}

// The first function the program resolves after the library's own checks, and the last.
TEST(Startup, WithoutNolbSetModeInTheLibraryNamesItAndFails) {
  auto panel = e2e::Panel::Start({.library = L"nolb_without_NOLB_SetMode.dll", .waitForMainWindow = false});
  ExpectLibraryError(panel, L"NOLB_SetMode");
}

TEST(Startup, WithoutNolbBitBltInTheLibraryNamesItAndFails) {
  auto panel = e2e::Panel::Start({.library = L"nolb_without_NOLB_BitBlt.dll", .waitForMainWindow = false});
  ExpectLibraryError(panel, L"NOLB_BitBlt");
}

}  // namespace
