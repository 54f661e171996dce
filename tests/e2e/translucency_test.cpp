// Translucency of the main window and the preview: the opacity dialog, the
// menu items that switch it, and the settings that keep it.
#include <gtest/gtest.h>

#include "harness/e2e.h"
#include "harness/panel_session.h"
#include "preview_windows.h"

namespace {

e2e::Window WaitClosedOrHidden(const e2e::Window& dialog) {
  EXPECT_TRUE(e2e::Eventually([&] { return !dialog.Exists() || !dialog.Visible(); }, "the dialog closes"));
  return dialog;
}

TEST(Translucency, MainWindowsOpacityDialogAndItsSettings) {
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  panel.Menu('S', 'L');
  e2e::Window dialog = e2e::WaitForShown(panel, e2e::kAlphaSettingsClass);
  EXPECT_EQ(dialog.Text(), L"設定");
  RECT client;
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 313);
  EXPECT_EQ(client.bottom, 81);
  e2e::Window bar = *dialog.Find("TrackBarAlpha");
  EXPECT_EQ(bar.Send(TBM_GETPOS), 255);
  EXPECT_EQ(bar.Send(TBM_GETRANGEMIN), 32);
  EXPECT_EQ(bar.Send(TBM_GETRANGEMAX), 255);
  EXPECT_EQ(dialog.Find("LabelAlpha")->Text(), L"100");

  // Moving the bar changes the label only; the close box cancels.
  e2e::MoveTrackBar(dialog, 128);
  EXPECT_TRUE(e2e::Becomes([&] { return dialog.Find("LabelAlpha")->Text(); }, std::wstring(L"50")));
  EXPECT_EQ(e2e::Opacity(main), 255);
  dialog.Close();
  WaitClosedOrHidden(dialog);
  e2e::Settle(panel);
  EXPECT_EQ(e2e::Opacity(main), 255) << "cancelled: the previous opacity";

  // Off at once without a dialog, on again with the dialog at 32.
  panel.Menu('S', 'L');
  e2e::Settle(panel);
  EXPECT_FALSE(e2e::ShownWindowOfClass(panel, e2e::kAlphaSettingsClass).has_value());
  panel.Menu('S', 'L');
  dialog = e2e::WaitForShown(panel, e2e::kAlphaSettingsClass);
  e2e::MoveTrackBar(dialog, 32);
  EXPECT_TRUE(e2e::Becomes([&] { return dialog.Find("LabelAlpha")->Text(); }, std::wstring(L"12")));
  dialog.Find("ButtonOk")->Click();
  WaitClosedOrHidden(dialog);
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::Opacity(main); }, 32));
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"AlphaBlend"), std::optional<std::wstring>(L"1"));
  EXPECT_EQ(panel.Setting(L"Main", L"AlphaBlendValue"), std::optional<std::wstring>(L"32"));

  // Restored at the next start; the menu item is checked, so choosing it
  // switches translucency off.
  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::Opacity(again.MainWindow()); }, 32));
  again.Menu('S', 'L');
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::Opacity(again.MainWindow()); }, 255));
  EXPECT_EQ(again.Close(), 0u);
  EXPECT_EQ(again.Setting(L"Main", L"AlphaBlend"), std::optional<std::wstring>(L"0"));
  EXPECT_EQ(again.Setting(L"Main", L"AlphaBlendValue"), std::optional<std::wstring>(L"32"));
}

TEST(Translucency, StoredOpacitiesAreKeptVisible) {
  auto panel = e2e::Panel::Start({.settings = "[Main]\r\nAlphaBlend=1\r\nAlphaBlendValue=0\r\n"
                                              "[Preview]\r\nAlphaBlend=5\r\nAlphaBlendValue=300\r\n"});
  EXPECT_EQ(e2e::Opacity(panel.MainWindow()), 32) << "0 would be an invisible window";
  EXPECT_EQ(e2e::Opacity(e2e::PreviewWindow(panel)), 44) << "the low 8 bits of 300";
  EXPECT_EQ(panel.Close(), 0u);
  EXPECT_EQ(panel.Setting(L"Main", L"AlphaBlendValue"), std::optional<std::wstring>(L"32"));
  EXPECT_EQ(panel.Setting(L"Preview", L"AlphaBlend"), std::optional<std::wstring>(L"1"));
  EXPECT_EQ(panel.Setting(L"Preview", L"AlphaBlendValue"), std::optional<std::wstring>(L"44"));
}

TEST(Translucency, PreviewAsksThroughItsOwnMenu) {
  auto panel = e2e::Panel::Start({.settings = "[Preview]\r\nTop=600\r\nLeft=700\r\n"});
  e2e::Window preview = e2e::TogglePreview(panel, true);
  e2e::ChoosePreviewMenuItem(panel, 'L');
  e2e::Window dialog = e2e::WaitForShown(panel, e2e::kAlphaSettingsClass);
  EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), preview.Handle());
  e2e::MoveTrackBar(dialog, 200);
  EXPECT_TRUE(e2e::Becomes([&] { return dialog.Find("LabelAlpha")->Text(); }, std::wstring(L"78")));
  dialog.Find("ButtonOk")->Click();
  WaitClosedOrHidden(dialog);
  EXPECT_TRUE(e2e::Becomes([&] { return e2e::Opacity(preview); }, 200));
  EXPECT_EQ(e2e::Opacity(panel.MainWindow()), 255);
  EXPECT_EQ(panel.Close(), 0u);

  auto again = e2e::Panel::Start(e2e::CarriedOver(panel));
  EXPECT_EQ(e2e::Opacity(e2e::PreviewWindow(again)), 200);
  EXPECT_EQ(again.Close(), 0u);
}

}  // namespace
