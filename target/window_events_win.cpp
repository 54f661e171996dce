#include "target/window_events_win.h"

namespace nolb {
namespace {

// The started hook's owner: the callback carries no pointer of its own.
WindowEvents* started = nullptr;

}  // namespace

void WindowEvents::Start(Handler handler) {
  handler_ = std::move(handler);
  if (hook_) return;
  hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, Event, 0, 0,
                          WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  if (hook_) started = this;
}

void WindowEvents::Stop() {
  if (!hook_) return;
  UnhookWinEvent(hook_);
  hook_ = nullptr;
  if (started == this) started = nullptr;
}

void CALLBACK WindowEvents::Event(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                  LONG child, DWORD, DWORD) {
  // The range holds the destruction event too; only windows themselves count,
  // not their parts (scroll bars, carets).
  if (event == EVENT_OBJECT_DESTROY || object != OBJID_WINDOW || child != CHILDID_SELF || !window) return;
  if (!started || started->hook_ != hook || !started->handler_) return;
  started->handler_(reinterpret_cast<WindowId>(window));
}

}  // namespace nolb
