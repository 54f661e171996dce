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

// Screen coordinates. MoveMouse returns once the cursor has settled at the
// point (SettleMouse), so that a press that follows lands there.
void MoveMouse(POINT to);
// Under Wine a move can be followed by a late move back to the point before,
// which also puts a following press there. Waits until the cursor has stayed
// at the point through the system's re-reading of the pointer, moving it
// there again after a move back; throws HarnessError when it does not
// settle within 5 s.
void SettleMouse(POINT at);
void MouseDown(Button button = Button::Left);
void MouseUp(Button button = Button::Left);
// Press and release that carry their point (the cursor moves there with them).
void MouseDownAt(POINT at, Button button = Button::Left);
void MouseUpAt(POINT at, Button button = Button::Left);
// Press and release at the point, after a settled move there.
void Click(POINT at, Button button = Button::Left);
// Presses at from, moves in steps to to, releases there.
void Drag(POINT from, POINT to, Button button = Button::Left, int steps = 8);
// The same with press and release carrying their points, for a program that
// takes the points of its mouse messages.
void SettledDrag(POINT from, POINT to, Button button = Button::Left, int steps = 8);
// The same as Click (kept for the tests that name it).
void SettledClick(POINT at, Button button = Button::Left);

}  // namespace e2e::input
