// Choosing a target window the way the user does: a mouse drag that starts
// on the panel's PanelDrag and ends over another window, and what the
// caption box and the library should then show for that window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "harness/helpers.h"
#include "harness/input.h"
#include "harness/panel.h"
#include "harness/window.h"

namespace e2e {

// Starts the target window beside the panel's main window (which opens at
// 16, 16, 289 x 487), so that neither hides the other. Start it before the
// panel, so that the panel opens in front. The cursor is moved away first:
// under Wine a window that opens under the cursor takes the activation back
// from a later one as soon as the mouse moves.
TargetWindow StartTargetBesidePanel();

// A point in the target window's client area that is not over its child.
POINT InsideMainNotChild(const TargetWindow& target);
// The centre of the target window's child control.
POINT InsideChild(const TargetWindow& target);

// A window handle as the library's journal records it.
int32_t HandleArg(HWND window);
inline int32_t HandleArg(const Window& window) { return HandleArg(window.Handle()); }
int32_t DesktopArg();

// The caption box's text for a window: "text (class)".
std::wstring TargetCaption(const Window& window);
SIZE ClientSize(const Window& window);
// The top-left corner of the window's client area on the screen.
POINT ClientOrigin(const Window& window);

// Presses the button on PanelDrag, waits until the panel searches, moves the
// cursor to over, waits until the caption box shows expectedCaption (the
// picker takes the window under the cursor every 60 ms), then releases the
// button and waits until the panel is idle again. Throws HarnessError when a
// state does not come.
void DragPick(const Panel& panel, POINT over, const std::wstring& expectedCaption,
              input::Button button = input::Button::Left);

// A press and release at one point sent as one input, so that the program
// handles both before any of its timers can tick.
void QuickClick(POINT at, input::Button button = input::Button::Left);

}  // namespace e2e
