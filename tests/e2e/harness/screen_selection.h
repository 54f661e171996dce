// The panel's selection on the screen ("範囲指定", "位置指定"): one window
// of class TFormSelect per monitor while it is up, each opaque once its
// frozen picture is on the screen, hidden and transparent between uses.
#pragma once

#include <string_view>
#include <vector>

#include "harness/panel.h"
#include "harness/window.h"

namespace e2e {

// Clicks the button and waits until the selection is up: one shown window
// per monitor, each opaque. Returns them; throws HarnessError otherwise.
std::vector<Window> StartSelection(const Panel& panel, std::string_view button);
// Waits until the selection is up, however it was started.
std::vector<Window> WaitForSelection(const Panel& panel);

// The selection has closed: no window shown, every one transparent again.
bool SelectionClosed(const Panel& panel);

}  // namespace e2e
