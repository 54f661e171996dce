// The menu of the icon in the notification area and what a click on the
// icon does. Each item does what its control in the main window does, and
// is greyed where that control takes no input: while a follow mode locks
// the target and range controls, and while the panel is busy with a
// selection, a drag, a dialog or a message box.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace nolb {

enum class TrayCommand : std::uint8_t {
  kApply,         // "適用"
  kDisable,       // "無効化"
  kFollowWindow,  // "ウィンドウサイズに追従する"
  kFollowMouse,   // "マウスカーソルに追従する"
  kRelease,       // "解除"
  kSceneSlot,     // the place of the scenes' items, if there are any
  kPreview,       // "プレビュー"
  kRangeMarkers,  // "取り込み範囲表示切替"
  kShowPanel,     // the main window shown and brought forward
  kExit,          // as closing the main window, with its question
  kSeparator,
};

// What the main window holds when the menu opens.
struct TrayPanelState {
  bool busy = false;  // a selection, the finder's drag, a dialog or a message box is up
  bool followWindow = false;
  bool followMouse = false;
  bool previewShown = false;
  bool markersShown = false;
};

struct TrayMenuEntry {
  TrayCommand command = TrayCommand::kSeparator;
  // As the menu shows it; none for a separator and the scenes' slot.
  const wchar_t* caption = nullptr;
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;  // shown bold: what a click on the icon does
};

// The items in menu order.
std::vector<TrayMenuEntry> TrayMenuEntries(const TrayPanelState& panel);

// The main window as a click on the icon finds it.
struct MainWindowView {
  bool shown = false;  // visible, not hidden (in the notification area, or by "非表示")
  bool minimised = false;
  bool foreground = false;
  // How long ago the window lost the activation, if it ever had it. A click
  // on the task bar activates the task bar before the click is reported:
  // a window that lost the activation just before was in front for the user.
  std::optional<std::uint64_t> sinceDeactivatedMs{};
};

// A window that lost the activation less than this long before a click on
// the icon was in front when the click began.
inline constexpr std::uint64_t kClickTakesFrontMs = 1000;

enum class TraySelectAction : std::uint8_t { kNone, kShowInFront, kPutAway };

// A click on the icon (or Enter on it) shows the main window and brings it
// forward; when the window is in front already, it is put away (minimised,
// and so hidden where it goes to the notification area). A second click
// within the system's double-click time of the last one acted on does
// nothing: a double click, or the keyboard's Enter that the notification
// area may report twice, toggles once.
TraySelectAction ActionOnSelect(const MainWindowView& window, std::optional<std::uint64_t> sinceLastActionMs,
                                std::uint32_t doubleClickMs);

}  // namespace nolb
