#include "hotkey/keyboard_watch_win.h"

#include <future>
#include <utility>

namespace nolb {
namespace {

// The watch whose hook runs on this thread.
thread_local KeyboardWatch::KeySeen* tSeen = nullptr;

}  // namespace

KeyboardWatch::KeyboardWatch(KeySeen seen) : seen_(std::move(seen)) {}

KeyboardWatch::~KeyboardWatch() { Stop(); }

bool KeyboardWatch::Start() {
  if (Running()) return true;
  std::promise<bool> placed;
  std::future<bool> result = placed.get_future();
  thread_ = std::thread([this, &placed] { Run(placed); });
  if (result.get()) return true;
  thread_.join();
  return false;
}

void KeyboardWatch::Stop() {
  if (!Running()) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

void KeyboardWatch::Run(std::promise<bool>& placed) {
  // The thread's message queue, made now, so that Stop's message finds it.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  threadId_ = GetCurrentThreadId();
  tSeen = &seen_;
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardWatch::Hook, GetModuleHandleW(nullptr), 0);
  placed.set_value(hook != nullptr);
  if (!hook) return;
  // The system calls the hook from within this loop.
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
  }
  UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK KeyboardWatch::Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HC_ACTION && tSeen) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    (*tSeen)(event->vkCode, (event->flags & LLKHF_UP) == 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace nolb
