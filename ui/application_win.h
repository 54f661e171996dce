// The program's message loop, and the modal loops that run inside it.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// Sees every message the GUI thread takes from its queue, before dispatch.
using MessageHook = std::function<void(const MSG&)>;

// Runs the message loop until the main form is destroyed. Keyboard
// navigation (Tab, Enter for the default button) works in every form.
// The hook also sees the messages of every modal loop.
void RunMessageLoop(const MessageHook& hook);

// Handles messages as the main loop does while `running` holds. A quit
// request ends it and is passed on to the loop outside.
void RunModalLoop(const std::function<bool()>& running);

// Whether a modal window of the GUI thread is up: one of the program's
// own modal loops (a dialog, the selection) or a dialog of the system (a
// message box). A message sent to a window of the program is handled
// inside such a loop as well, so a handler asks this before it acts.
bool ModalWindowShown();

}  // namespace ui
