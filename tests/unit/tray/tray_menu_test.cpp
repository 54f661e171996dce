#include "tray/tray_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace nolb {
namespace {

// The menu in one line: each item by its access key, lower case when
// greyed, "+" when checked, "!" when it is the default; "|" a separator,
// "*" the scenes' slot.
std::string Shape(const std::vector<TrayMenuEntry>& entries) {
  std::string shape;
  for (const TrayMenuEntry& e : entries) {
    if (e.command == TrayCommand::kSeparator) {
      shape += '|';
    } else if (e.command == TrayCommand::kSceneSlot) {
      shape += '*';
    } else {
      const std::wstring caption = e.caption;
      const char key = static_cast<char>(caption[caption.find(L"(&") + 2]);
      shape += e.enabled ? key : static_cast<char>(key - 'A' + 'a');
      if (e.checked) shape += '+';
      if (e.isDefault) shape += '!';
    }
  }
  return shape;
}

TEST(TrayMenu, ItemsAreGreyedAndCheckedAsTheMainWindowsControls) {
  const std::pair<TrayPanelState, const char*> cases[] = {
      {{}, "AD|WMu|*PT|S!|X"},
      {{.followWindow = true}, "Ad|W+mU|*PT|S!|X"},
      {{.followMouse = true}, "Ad|wM+U|*PT|S!|X"},
      {{.previewShown = true, .markersShown = true}, "AD|WMu|*P+T+|S!|X"},
      // Busy (a selection, a dialog): only the panel can be brought forward.
      {{.busy = true, .followMouse = true, .previewShown = true}, "ad|wm+u|*p+t|S!|x"},
  };
  for (const auto& [panel, shape] : cases) EXPECT_EQ(Shape(TrayMenuEntries(panel)), shape);
}

TEST(TrayMenu, AClickShowsTheWindowOrPutsItAwayWhenItIsInFront) {
  using A = TraySelectAction;
  const std::tuple<MainWindowView, std::optional<std::uint64_t>, A> cases[] = {
      {{.shown = false}, std::nullopt, A::kShowInFront},
      {{.shown = true, .minimised = true, .foreground = true}, std::nullopt, A::kShowInFront},
      {{.shown = true}, std::nullopt, A::kShowInFront},  // covered by another window
      {{.shown = true, .foreground = true}, std::nullopt, A::kPutAway},
      // The click on the task bar took the activation just before.
      {{.shown = true, .sinceDeactivatedMs = 300}, std::nullopt, A::kPutAway},
      {{.shown = true, .sinceDeactivatedMs = 1000}, std::nullopt, A::kShowInFront},
      // A double click, or Enter reported twice, acts once.
      {{.shown = true, .foreground = true}, 499, A::kNone},
      {{.shown = true, .foreground = true}, 500, A::kPutAway},
  };
  for (const auto& [view, sinceLast, action] : cases) {
    EXPECT_EQ(ActionOnSelect(view, sinceLast, 500), action)
        << view.shown << view.minimised << view.foreground << " " << view.sinceDeactivatedMs.value_or(0);
  }
}

}  // namespace
}  // namespace nolb
