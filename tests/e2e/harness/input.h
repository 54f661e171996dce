// Keyboard and mouse input as the user makes it (SendInput). It goes to the
// foreground window: bring the program's window to the front first
// (Window::Focus, Panel::Activate).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace e2e::input {

enum class Button { Left, Right };

void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
// Down and up.
void Press(WORD virtualKey);
// All keys down in order, then up in reverse order: Chord({VK_CONTROL, VK_MENU, 'P'}).
void Chord(std::initializer_list<WORD> virtualKeys);
// Types the text as Unicode characters.
void Type(std::wstring_view text);

// Screen coordinates. MoveMouse returns once the cursor has settled at the
// point, so that a press that follows lands there; it throws HarnessError
// when the cursor does not settle within 5 s.
void MoveMouse(POINT to);
void MouseDown(Button button = Button::Left);
void MouseUp(Button button = Button::Left);
void Click(POINT at, Button button = Button::Left);
// Presses at from, moves in steps to to, releases there.
void Drag(POINT from, POINT to, Button button = Button::Left, int steps = 8);

}  // namespace e2e::input
