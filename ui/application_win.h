// The program's message loop.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// Sees every message the GUI thread takes from its queue, before dispatch.
using MessageHook = std::function<void(const MSG&)>;

// Runs the message loop until the main form is destroyed. Keyboard
// navigation (Tab, Enter for the default button) works in every form.
void RunMessageLoop(const MessageHook& hook);

// Runs the message loop of a modal form until done() holds. A quit request
// that arrives meanwhile ends it and is passed on to the outer loop.
void RunModalLoop(const std::function<bool()>& done);

}  // namespace ui
