#include "harness/focus_change.h"

#include <cstdio>
#include <thread>

#include "harness/error.h"
#include "harness/input.h"
#include "harness/process.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {

namespace {

constexpr WORD kSpareKey = VK_F24;

// A one-pixel window in the screen's bottom right corner (the X server gives
// the focus only to a window it shows), on a thread of its own that handles
// its messages at once: somewhere to move the focus to and back from.
HWND Waypoint() {
  static HWND window = [] {
    HWND made = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread([&made, ready] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = DefWindowProcW;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = L"NolbE2EWaypoint";
      RegisterClassW(&windowClass);
      made = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                             GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1, 1, 1, nullptr, nullptr, windowClass.hInstance, nullptr);
      SetEvent(ready);
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    }).detach();
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
    if (!made) throw HarnessError("cannot make the harness's focus waypoint window");
    return made;
  }();
  return window;
}

bool Activate(HWND top) {
  DWORD thread = GetWindowThreadProcessId(top, nullptr);
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() != top) SetForegroundWindow(top);
        return GetForegroundWindow() == top && GuiThreadInfo(thread).hwndActive == top;
      },
      5s);
}

enum class Change { kCaughtUp, kNoUpdate, kNotActive };

// Activates top with the spare key held across the change (see the header).
Change ActivateWithSpareKeyHeld(HWND top) {
  input::KeyDown(kSpareKey);
  bool held = KeyDownNow(kSpareKey);
  bool active = Activate(top);
  bool caughtUp = held && active && WaitUntil([] { return !KeyDownNow(kSpareKey); }, 300ms);
  input::KeyUp(kSpareKey);
  if (!active) return Change::kNotActive;
  return caughtUp ? Change::kCaughtUp : Change::kNoUpdate;
}

}  // namespace

GUITHREADINFO GuiThreadInfo(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  return info;
}

bool KeyDownNow(WORD key) {
  bool down = false;
  std::thread([&] { down = (GetAsyncKeyState(key) & 0x8000) != 0; }).join();
  return down;
}

bool ActivateForKeys(HWND top) {
  // The update usually comes within 20-80 ms. Now and then none comes (the
  // X server keeps its focus where it was, seen mostly when the panel is
  // activated), and under heavy load one has come seconds late; a new change
  // (by way of the waypoint) asks for it again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (GetForegroundWindow() == top) ActivateWithSpareKeyHeld(Waypoint());
    switch (ActivateWithSpareKeyHeld(top)) {
      case Change::kCaughtUp: return true;
      case Change::kNotActive: return false;
      case Change::kNoUpdate: break;
    }
  }
  std::fprintf(stderr, "[harness] no key-state update after three activations of window %p\n",
               static_cast<void*>(top));
  return true;
}

namespace {

// Wine runs a Unix program but gives no handle to wait on: the key state
// tells when it has done.
void Xdotool(const char* action, const char* name, WORD key) {
  Process::Start(L"Z:\\usr\\bin\\xdotool", {Wide(action), Wide(name)});
  const bool down = std::string_view(action) == "keydown";
  if (!WaitUntil([&] { return KeyDownNow(key) == down; })) throw HarnessError(std::string("xdotool: ") + action);
}

}  // namespace

DisplayKeyHeld::DisplayKeyHeld(const char* name, WORD key) : name_(name), key_(key) {
  Xdotool("keydown", name, key);
}

DisplayKeyHeld::~DisplayKeyHeld() {
  try {
    Xdotool("keyup", name_, key_);
  } catch (const HarnessError&) {
  }
}

}  // namespace e2e
