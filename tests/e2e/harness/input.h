// Keyboard and mouse input as the user makes it (SendInput). It goes to the
// foreground window: bring the program's window to the front first
// (Window::Focus, Panel::Activate).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace e2e::input {

enum class Button { Left, Right, Middle };
// The SendInput flags of a button's press and release.
DWORD DownFlag(Button button);
DWORD UpFlag(Button button);

void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
// Down and up.
void Press(WORD virtualKey);
// All keys down in order, then up in reverse order: Chord({VK_CONTROL, VK_MENU, 'P'}).
void Chord(std::initializer_list<WORD> virtualKeys);
// Types the text as Unicode characters.
void Type(std::wstring_view text);

// Screen coordinates.
void MoveMouse(POINT to);
// Under Wine a move can be followed by a late move back to the point before
// (and then forward again). Waits until the cursor has stayed at the point
// for several polls in a row, moving it there again after a move back.
void SettleMouse(POINT at);
void MouseDown(Button button = Button::Left);
void MouseUp(Button button = Button::Left);
// Press and release that carry their point (the cursor moves there with them).
void MouseDownAt(POINT at, Button button = Button::Left);
void MouseUpAt(POINT at, Button button = Button::Left);
void Click(POINT at, Button button = Button::Left);
// Presses at from, moves in steps to to, releases there.
void Drag(POINT from, POINT to, Button button = Button::Left, int steps = 8);
// The same with the cursor settled before the press and before the release,
// for a program that takes the points of its mouse messages.
void SettledDrag(POINT from, POINT to, Button button = Button::Left, int steps = 8);
// A click with the cursor settled at the point first, press and release
// carrying the point.
void SettledClick(POINT at, Button button = Button::Left);

}  // namespace e2e::input
