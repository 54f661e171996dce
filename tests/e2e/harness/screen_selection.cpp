#include "harness/screen_selection.h"

#include <windows.h>

#include <algorithm>

#include "harness/error.h"
#include "harness/wait.h"

namespace e2e {
namespace {

// The selection windows, all or only the shown ones.
std::vector<Window> SelectionWindows(const Panel& panel, bool shownOnly) {
  std::vector<Window> windows;
  for (const auto& window : panel.TopLevelWindows()) {
    if (window.ClassName() == L"TFormSelect" && (!shownOnly || window.Visible())) windows.push_back(window);
  }
  return windows;
}

// A layered window's constant opacity; 0 when it has none.
BYTE LayeredAlpha(const Window& window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return 0;
  return alpha;
}

}  // namespace

std::vector<Window> StartSelection(const Panel& panel, std::string_view button) {
  panel.Control(button).Click();
  return WaitForSelection(panel);
}

std::vector<Window> WaitForSelection(const Panel& panel) {
  const size_t monitors = static_cast<size_t>(GetSystemMetrics(SM_CMONITORS));
  std::vector<Window> shown;
  const bool up = WaitUntil([&] {
    shown = SelectionWindows(panel, true);
    return shown.size() == monitors &&
           std::all_of(shown.begin(), shown.end(), [](const Window& w) { return LayeredAlpha(w) == 255; });
  });
  if (!up) throw HarnessError("the selection did not come up on every monitor");
  return shown;
}

bool SelectionClosed(const Panel& panel) {
  const std::vector<Window> windows = SelectionWindows(panel, false);
  return std::none_of(windows.begin(), windows.end(),
                      [](const Window& w) { return w.Visible() || LayeredAlpha(w) != 0; });
}

}  // namespace e2e
