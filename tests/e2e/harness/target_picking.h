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

// A drag from PanelDrag, step by step. Each step waits for what the panel
// then shows and throws HarnessError when it does not come. A drag not
// released by the test is released when the object goes.
class PickerDrag {
 public:
  // Presses the button on PanelDrag and waits until the panel searches.
  PickerDrag(const Panel& panel, input::Button button = input::Button::Left);
  PickerDrag(const PickerDrag&) = delete;
  PickerDrag& operator=(const PickerDrag&) = delete;
  ~PickerDrag();

  // Moves the cursor to the point and waits until the caption box shows
  // expectedCaption (the picker takes the window under the cursor every 60 ms).
  void Over(POINT point, const std::wstring& expectedCaption);
  // Releases the button and waits until the panel is idle again.
  void Release();

 private:
  const Panel& panel_;
  input::Button button_;
  bool released_ = false;
};

// A whole drag: press on PanelDrag, over the point until the caption box
// shows expectedCaption, release.
void DragPick(const Panel& panel, POINT over, const std::wstring& expectedCaption,
              input::Button button = input::Button::Left);

// The colour of a screen pixel, and that colour inverted (as a frame drawn
// with DSTINVERT shows it).
COLORREF ScreenPixel(POINT at);
COLORREF Inverted(COLORREF colour);

// A press and release at one point sent as one input, so that the program
// handles both before any of its timers can tick.
void QuickClick(POINT at, input::Button button = input::Button::Left);

}  // namespace e2e
