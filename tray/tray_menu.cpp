#include "tray/tray_menu.h"

namespace nolb {

std::vector<TrayMenuEntry> TrayMenuEntries(const TrayPanelState& panel) {
  // Where the main window takes no input, neither does the menu, but for
  // bringing that window forward.
  const bool free = !panel.busy;
  const bool following = panel.followWindow || panel.followMouse;
  const TrayMenuEntry separator{};
  return {
      {.command = TrayCommand::kApply, .caption = L"適用(&A)", .enabled = free},
      // The locks of the follow modes, as in the main window: "無効化" waits
      // for "解除", and one mode at a time.
      {.command = TrayCommand::kDisable, .caption = L"無効化(&D)", .enabled = free && !following},
      separator,
      {.command = TrayCommand::kFollowWindow, .caption = L"ウィンドウサイズに追従する(&W)",
       .enabled = free && !panel.followMouse, .checked = panel.followWindow},
      {.command = TrayCommand::kFollowMouse, .caption = L"マウスカーソルに追従する(&M)",
       .enabled = free && !panel.followWindow, .checked = panel.followMouse},
      {.command = TrayCommand::kRelease, .caption = L"解除(&U)", .enabled = free && following},
      separator,
      {.command = TrayCommand::kSceneSlot},
      {.command = TrayCommand::kPreview, .caption = L"プレビュー(&P)", .enabled = free,
       .checked = panel.previewShown},
      {.command = TrayCommand::kRangeMarkers, .caption = L"取り込み範囲表示切替(&T)", .enabled = free,
       .checked = panel.markersShown},
      separator,
      {.command = TrayCommand::kShowPanel, .caption = L"パネルを表示(&S)", .isDefault = true},
      separator,
      {.command = TrayCommand::kExit, .caption = L"終了(&X)", .enabled = free},
  };
}

TraySelectAction ActionOnSelect(const MainWindowView& window, std::optional<std::uint64_t> sinceLastActionMs,
                                std::uint32_t doubleClickMs) {
  if (sinceLastActionMs && *sinceLastActionMs < doubleClickMs) return TraySelectAction::kNone;
  const bool inFront =
      window.foreground || (window.sinceDeactivatedMs && *window.sinceDeactivatedMs < kClickTakesFrontMs);
  if (window.shown && !window.minimised && inFront) return TraySelectAction::kPutAway;
  return TraySelectAction::kShowInFront;
}

}  // namespace nolb
