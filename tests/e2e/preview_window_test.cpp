// The live preview: shown and closed from the main window, drawn by the
// library at the chosen rate, moved by dragging, set up from its popup menu
// or a double-click, and kept in section Preview of the settings file.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "preview_windows.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The preview away from the main window and from the capture rectangle
// (0, 0, 320 × 240), the cursor not drawn into the picture.
constexpr char kApart[] = "[Main]\r\nShowCursor=0\r\n[Preview]\r\nTop=600\r\nLeft=700\r\n";

std::string Apart(const std::string& more) { return kApart + more; }

// The screen's pixels in a rectangle, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& r) {
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  auto* p = static_cast<const COLORREF*>(bits);
  std::vector<COLORREF> pixels(p, p + width * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

double SameShare(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.size() != b.size() || a.empty()) return 0;
  size_t same = 0;
  for (size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
  return static_cast<double>(same) / a.size();
}

// Waits until count frames have been drawn since the mark; the time it took.
Clock::duration TimeForFrames(const e2e::Panel& panel, size_t count) {
  const uint32_t mark = e2e::JournalMark();
  const auto start = Clock::now();
  EXPECT_TRUE(e2e::Eventually([&] { return e2e::Frames(e2e::CallsSince(panel, mark)).size() >= count; },
                              std::to_string(count) + " frames", 20s));
  return Clock::now() - start;
}

e2e::Window OpenSettingsDialog(const e2e::Panel& panel) {
  e2e::ChoosePreviewMenuItem(panel, 'O');
  return e2e::WaitForShown(panel, e2e::kPreviewSettingsClass);
}

void ExpectNoInteger(const e2e::Panel& panel, const std::wstring& text) {
  auto box = panel.WaitForMessageBox();
  EXPECT_EQ(box.Title(), L"NOLB");
  EXPECT_EQ(box.Text(), L"'" + text + L"' は整数ではありません.");
  box.Press(IDOK);
  EXPECT_TRUE(box.WaitClosed());
}

TEST(PreviewWindow, HiddenAtStartThenShownAndClosedByTheMainWindowsButton) {
  auto panel = e2e::Panel::Start();
  e2e::Window preview = e2e::PreviewWindow(panel);
  EXPECT_FALSE(preview.Visible());
  RECT r = preview.Rect();
  EXPECT_EQ(r.left, 32);
  EXPECT_EQ(r.top, 32);
  EXPECT_EQ(e2e::WindowSize(preview).cx, 322);
  EXPECT_EQ(e2e::WindowSize(preview).cy, 242);
  EXPECT_EQ(GetWindowLongW(preview.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_FALSE(panel.Control("ButtonHide").Enabled());

  const uint32_t mark = e2e::JournalMark();
  e2e::TogglePreview(panel, true);
  EXPECT_TRUE(e2e::Eventually([&] { return panel.Control("ButtonHide").Enabled(); }, "非表示 enabled"));
  // The whole picture area, from the surface's memory DC, at 3 frames a second.
  ASSERT_TRUE(e2e::Eventually([&] { return !e2e::Frames(e2e::CallsSince(panel, mark)).empty(); }, "a frame"));
  auto frame = e2e::Frames(e2e::CallsSince(panel, mark)).front();
  EXPECT_TRUE(e2e::Matches(frame, "NOLB_BitBlt(*, 0, 0, 320, 240, 0, 0, 0, 13369376)")) << frame.ToString();
  EXPECT_NE(frame.args[0], 0);

  e2e::TogglePreview(panel, false);
  EXPECT_TRUE(e2e::Eventually([&] { return !panel.Control("ButtonHide").Enabled(); }, "非表示 disabled"));
  EXPECT_EQ(panel.Close(), 0u);
  auto calls = e2e::CallsSince(panel, mark);
  EXPECT_EQ(e2e::Named(calls, "NOLB_BitBltInit").size(), 1u);
  EXPECT_EQ(e2e::Named(calls, "NOLB_BitBltUninit").size(), 1u);
  EXPECT_TRUE(e2e::FramesOnlyWhileDrawingBegun(calls));
}

TEST(PreviewWindow, ShowsTheRedirectedPictureAtTheChosenRate) {
  auto panel = e2e::Panel::Start({.settings = Apart("FrameRate=0\r\n")});
  e2e::Window picture = e2e::PreviewPicture(panel);
  e2e::TogglePreview(panel, true);
  e2e::input::MoveMouse({1270, 1010});

  // The capture rectangle 0, 0, 320 × 240 of the screen, copied 1:1.
  double share = 0;
  EXPECT_TRUE(e2e::Eventually(
      [&] {
        share = SameShare(ScreenPixels({0, 0, 320, 240}), ScreenPixels(picture.ClientRect()));
        return share > 0.99;
      },
      "the picture shows the screen's rectangle"))
      << "share of equal pixels " << share;

  // 30 frames a second: 30 frames take about one second, well below three.
  EXPECT_LT(TimeForFrames(panel, 30), 3s);

  // 1 frame a second: three frames take two seconds at least.
  e2e::Window dialog = OpenSettingsDialog(panel);
  dialog.Find("ComboBoxRefresh")->Select(L"1fps");
  dialog.Find("ButtonOK")->Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !dialog.Exists() || !dialog.Visible(); }, "the dialog closes"));
  EXPECT_GE(TimeForFrames(panel, 3), 1800ms);
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Preview", L"FrameRate"), std::optional<std::wstring>(L"5"));
}

TEST(PreviewWindow, ClosingWhileFramesRunNeverDrawsAfterTheLibrarysPreviewEnds) {
  // Large slow frames, so that closes often fall into a frame under way.
  auto panel = e2e::Panel::Start(
      {.settings = "[Main]\r\nsWidth=1280\r\nsHeight=1024\r\n"
                   "[Preview]\r\nTop=0\r\nLeft=0\r\nsWidth=1200\r\nsHeight=900\r\nFrameRate=0\r\n"});
  const uint32_t mark = e2e::JournalMark();
  for (int round = 0; round < 10; ++round) {
    const uint32_t shown = e2e::JournalMark();
    e2e::Window preview = e2e::TogglePreview(panel, true);
    // Display changes rebuild the surface on the GUI thread while frames run.
    for (int i = 0; i < 5; ++i) preview.Post(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    EXPECT_TRUE(e2e::Eventually([&] { return e2e::Frames(e2e::CallsSince(panel, shown)).size() >= 2; }, "frames"));
    e2e::TogglePreview(panel, false);
    preview.Post(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  }
  // Shown again at exit: the library's preview is not ended then, and no
  // frame follows the library's release.
  e2e::TogglePreview(panel, true);
  EXPECT_EQ(panel.Close(), 0u);
  auto calls = e2e::CallsSince(panel, mark);
  EXPECT_EQ(e2e::Named(calls, "NOLB_BitBltInit").size(), 11u);
  EXPECT_EQ(e2e::Named(calls, "NOLB_BitBltUninit").size(), 10u);
  EXPECT_TRUE(e2e::FramesOnlyWhileDrawingBegun(calls));
  EXPECT_TRUE(e2e::Frames(e2e::After(calls, "NOLB_Uninit")).empty());
}

TEST(PreviewSettingsDialog, ChecksWidthThenHeightAndAppliesOnlyOnOk) {
  auto panel = e2e::Panel::Start({.settings = Apart("FrameRate=7\r\n")});
  e2e::Window preview = e2e::TogglePreview(panel, true);
  e2e::Window dialog = OpenSettingsDialog(panel);
  EXPECT_EQ(dialog.Text(), L"設定");
  RECT client;
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 313);
  EXPECT_EQ(client.bottom, 73);
  EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), preview.Handle());
  e2e::Window width = *dialog.Find("EditWidth");
  e2e::Window height = *dialog.Find("EditHeight");
  e2e::Window rates = *dialog.Find("ComboBoxRefresh");
  EXPECT_EQ(width.Text(), L"320");
  EXPECT_EQ(height.Text(), L"240");
  EXPECT_EQ(rates.Selection(), -1) << "a stored rate outside the list selects nothing";
  EXPECT_EQ(rates.Items(), (std::vector<std::wstring>{L"30fps", L"15fps", L"10fps", L"5fps", L"3fps", L"1fps"}));

  // The width is looked at first; the dialog stays open with the input.
  width.SetText(L"abc");
  height.SetText(L"x");
  dialog.Find("ButtonOK")->Click();
  ExpectNoInteger(panel, L"abc");
  width.SetText(L"");
  height.SetText(L"");
  dialog.Find("ButtonOK")->Click();
  ExpectNoInteger(panel, L"");
  width.SetText(L"200");
  height.SetText(L"1.5");
  dialog.Find("ButtonOK")->Click();
  ExpectNoInteger(panel, L"1.5");
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(width.Text(), L"200");

  // Esc cancels: nothing changes.
  e2e::BringToFront(dialog);
  e2e::input::Press(VK_ESCAPE);
  ASSERT_TRUE(e2e::Eventually([&] { return !dialog.Exists() || !dialog.Visible(); }, "Esc closes"));
  EXPECT_EQ(e2e::WindowSize(preview).cx, 322);

  // OK without a rate chosen keeps "no rate" (500 ms); the new size applies.
  dialog = OpenSettingsDialog(panel);
  dialog.Find("EditWidth")->SetText(L"$A0");
  dialog.Find("EditHeight")->SetText(L"120");
  const uint32_t mark = e2e::JournalMark();
  dialog.Find("ButtonOK")->Click();
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::WindowSize(preview).cx; }, 162L));
  EXPECT_EQ(e2e::WindowSize(preview).cy, 122);
  EXPECT_EQ(e2e::WindowSize(e2e::PreviewPicture(panel)).cx, 160);
  EXPECT_TRUE(e2e::Eventually(
      [&] {
        auto frames = e2e::Frames(e2e::CallsSince(panel, mark));
        return !frames.empty() && e2e::Matches(frames.back(), "NOLB_BitBlt(*, 0, 0, 160, 120, *, *, *, *)");
      },
      "frames of the new size"));
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(e2e::SectionEntries(panel.SettingsPath(), "Preview"),
            (std::vector<std::pair<std::string, std::string>>{{"Top", "600"},
                                                              {"Left", "700"},
                                                              {"FrameRate", "-1"},
                                                              {"sWidth", "160"},
                                                              {"sHeight", "120"},
                                                              {"AlphaBlend", "0"},
                                                              {"AlphaBlendValue", "255"}}));
}

TEST(PreviewSettingsDialog, SizesThatMakeNoPictureLeaveThePreviewWorking) {
  auto panel = e2e::Panel::Start({.settings = Apart("FrameRate=0\r\n")});
  e2e::Window preview = e2e::TogglePreview(panel, true);
  const uint32_t mark = e2e::JournalMark();
  auto apply = [&](const wchar_t* width, const wchar_t* height) {
    e2e::Window dialog = OpenSettingsDialog(panel);
    dialog.Find("EditWidth")->SetText(width);
    dialog.Find("EditHeight")->SetText(height);
    dialog.Find("ButtonOK")->Click();
    ASSERT_TRUE(e2e::Eventually([&] { return !dialog.Exists() || !dialog.Visible(); }, "the dialog closes"));
  };
  apply(L"0", L"0");
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::WindowSize(preview).cx; }, 2L));
  EXPECT_EQ(e2e::WindowSize(preview).cy, 2);
  apply(L"-5", L"2147483647");
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::WindowSize(preview).cx; }, 2L)) << "the bare frame at least";
  apply(L"100000", L"100000");
  apply(L"64", L"48");
  EXPECT_TRUE(e2e::Eventually(
      [&] {
        auto frames = e2e::Frames(e2e::CallsSince(panel, mark));
        return !frames.empty() && e2e::Matches(frames.back(), "NOLB_BitBlt(*, 0, 0, 64, 48, *, *, *, *)");
      },
      "frames again once the size can be drawn"));
  for (const auto& frame : e2e::Frames(e2e::CallsSince(panel, mark))) {
    EXPECT_TRUE(frame.args[3] > 0 && frame.args[4] > 0 && frame.args[0] != 0) << frame.ToString();
  }
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(PreviewWindow, DragsWithAnyButtonAndADoubleClickOpensTheSettingsWithoutDragging) {
  auto panel = e2e::Panel::Start({.settings = Apart("")});
  e2e::Window preview = e2e::TogglePreview(panel, true);
  e2e::BringToFront(preview);
  POINT from = e2e::PreviewPicture(panel).Center();
  e2e::input::Drag(from, {from.x - 100, from.y - 50});
  EXPECT_TRUE(e2e::Becomes([&] { return preview.Rect().left; }, 600L));
  EXPECT_EQ(preview.Rect().top, 550);

  from = e2e::PreviewPicture(panel).Center();
  e2e::input::Drag(from, {from.x + 40, from.y + 30}, e2e::input::Button::Right);
  EXPECT_TRUE(e2e::Becomes([&] { return preview.Rect().left; }, 640L));
  EXPECT_EQ(preview.Rect().top, 580);
  e2e::input::Press(VK_ESCAPE);  // the popup menu that the right button opens

  POINT at = e2e::PreviewPicture(panel).Center();
  e2e::input::Click(at);
  e2e::input::Click(at);
  e2e::Window dialog = e2e::WaitForShown(panel, e2e::kPreviewSettingsClass);
  dialog.Find("ButtonCancel")->Click();
  ASSERT_TRUE(e2e::Eventually([&] { return !dialog.Exists() || !dialog.Visible(); }, "Cancel closes"));
  e2e::input::MoveMouse({at.x + 60, at.y + 60});
  e2e::Settle(panel);
  e2e::input::MoveMouse({at.x + 80, at.y + 70});
  e2e::Settle(panel);
  EXPECT_EQ(preview.Rect().left, 640) << "the move after the double-click dragged";
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Preview", L"Left"), std::optional<std::wstring>(L"640"));
  EXPECT_EQ(panel.Setting(L"Preview", L"Top"), std::optional<std::wstring>(L"580"));

  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  EXPECT_EQ(e2e::PreviewWindow(again).Rect().left, 640);
  EXPECT_EQ(e2e::PreviewWindow(again).Rect().top, 580);
  EXPECT_EQ(again.Close(), 0u);
}

TEST(PreviewWindow, AStoredPlaceOffEveryMonitorMovesOntoTheScreen) {
  auto panel = e2e::Panel::Start({.settings = "[Preview]\r\nTop=-3000\r\nLeft=5000\r\nsWidth=100\r\nsHeight=50\r\n"});
  RECT r = e2e::PreviewWindow(panel).Rect();
  EXPECT_EQ(r.right - r.left, 102);
  EXPECT_EQ(r.bottom - r.top, 52);
  EXPECT_GE(r.left, 0);
  EXPECT_GE(r.top, 0);
  EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(PreviewWindow, HidesAndShowsTheMainWindowAndNeverClosesWithItHidden) {
  auto panel = e2e::Panel::Start({.settings = Apart("")});
  e2e::Window main = panel.MainWindow();
  // Without the preview, "非表示" is disabled and hides nothing.
  EXPECT_FALSE(panel.Control("ButtonHide").Enabled());
  e2e::Window preview = e2e::TogglePreview(panel, true);
  panel.Control("ButtonHide").Click();
  EXPECT_TRUE(e2e::Becomes([&] { return main.Visible(); }, false));

  e2e::ChoosePreviewMenuItem(panel, 'S');
  EXPECT_TRUE(e2e::Becomes([&] { return main.Visible(); }, true));
  e2e::ChoosePreviewMenuItem(panel, 'S');
  EXPECT_TRUE(e2e::Becomes([&] { return main.Visible(); }, false));

  // Closing the preview brings the hidden main window back first.
  const uint32_t mark = e2e::JournalMark();
  e2e::ChoosePreviewMenuItem(panel, 'X');
  EXPECT_TRUE(e2e::Becomes([&] { return preview.Visible(); }, false));
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(e2e::Named(e2e::CallsSince(panel, mark), "NOLB_BitBltUninit").size(), 1u);
  EXPECT_FALSE(panel.Control("ButtonHide").Enabled());
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
