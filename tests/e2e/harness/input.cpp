#include "harness/input.h"

#include <chrono>
#include <thread>

#include "harness/error.h"
#include "harness/wait.h"

namespace e2e::input {

namespace {

using Clock = std::chrono::steady_clock;

// Longer than the 100 ms after which GetCursorPos reads the pointer itself
// rather than the system's cursor (see SettleMouse).
constexpr Duration kCursorResync = 150ms;
constexpr Duration kCursorPoll = 5ms;
constexpr Duration kSettleTimeout = 5s;

void Send(INPUT* inputs, UINT count) {
  if (SendInput(count, inputs, sizeof(INPUT)) != count) ThrowLastError("SendInput");
}

bool IsExtended(WORD key) {
  switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  Send(&input, 1);
}

void Mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  Send(&input, 1);
}

// A move to a screen point, with more flags (a button) in the same input.
void MouseAt(POINT to, DWORD flags) {
  // Absolute coordinates run from 0 to 65535 across the virtual screen; the
  // system maps them back rounding down, so round up here.
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(((to.x - left) * 65536LL + width - 1) / width);
  input.mi.dy = static_cast<LONG>(((to.y - top) * 65536LL + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
  Send(&input, 1);
}

// The point beside, on the virtual screen.
POINT Neighbour(POINT point) {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  return {point.x > left ? point.x - 1 : point.x + 1, point.y};
}

// Whether the cursor reads the point continuously for longer than
// kCursorResync (before the deadline); false as soon as it reads elsewhere.
bool StaysAt(POINT point, Clock::time_point deadline) {
  const auto since = Clock::now();
  for (;;) {
    POINT now{};
    if (!GetCursorPos(&now) || now.x != point.x || now.y != point.y) return false;
    const auto time = Clock::now();
    if (time - since > kCursorResync) return true;
    if (time >= deadline) return false;
    std::this_thread::sleep_for(kCursorPoll);
  }
}

}  // namespace

void KeyDown(WORD virtualKey) { Key(virtualKey, false); }
void KeyUp(WORD virtualKey) { Key(virtualKey, true); }

void Press(WORD virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

void Chord(std::initializer_list<WORD> virtualKeys) {
  for (WORD key : virtualKeys) KeyDown(key);
  for (auto it = virtualKeys.end(); it != virtualKeys.begin();) KeyUp(*--it);
}

void Type(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = c;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    Send(inputs, 2);
  }
}

void MoveMouse(POINT to) {
  MouseAt(to, 0);
  SettleMouse(to);
}

void SettleMouse(POINT at) {
  // Under Wine the system's cursor and the display's pointer can part: a
  // move is often followed by a stale move back to the previous point, which
  // the window below gets as a mouse move and which puts the system's cursor
  // there (a press then lands there too), while the pointer stays at the new
  // point; GetCursorPos reads the pointer again only after the cursor has gone
  // 100 ms without a change. The stale move comes when the window below next
  // wakes for input. So the cursor has settled when it has stayed at the
  // point longer than that, then once more after an input that moves nothing
  // (which wakes the window below). A stale move starts it again, after a
  // move to the point by way of a neighbouring one, since a move to where the
  // system already puts the cursor would not move the pointer.
  const auto deadline = Clock::now() + kSettleTimeout;
  for (;;) {
    if (StaysAt(at, deadline)) {
      Mouse(MOUSEEVENTF_MOVE);  // by nothing
      if (StaysAt(at, deadline)) return;
    }
    if (Clock::now() >= deadline) break;
    MouseAt(Neighbour(at), 0);
    MouseAt(at, 0);
  }
  POINT now{};
  GetCursorPos(&now);
  throw HarnessError("the cursor did not settle at " + std::to_string(at.x) + ", " + std::to_string(at.y) +
                     " (it is at " + std::to_string(now.x) + ", " + std::to_string(now.y) + ")");
}

DWORD DownFlag(Button button) {
  return button == Button::Left    ? MOUSEEVENTF_LEFTDOWN
         : button == Button::Right ? MOUSEEVENTF_RIGHTDOWN
                                   : MOUSEEVENTF_MIDDLEDOWN;
}

DWORD UpFlag(Button button) {
  return button == Button::Left    ? MOUSEEVENTF_LEFTUP
         : button == Button::Right ? MOUSEEVENTF_RIGHTUP
                                   : MOUSEEVENTF_MIDDLEUP;
}

void MouseDown(Button button) { Mouse(DownFlag(button)); }
void MouseUp(Button button) { Mouse(UpFlag(button)); }
void MouseDownAt(POINT at, Button button) { MouseAt(at, DownFlag(button)); }
void MouseUpAt(POINT at, Button button) { MouseAt(at, UpFlag(button)); }

void Click(POINT at, Button button) {
  MoveMouse(at);
  MouseDownAt(at, button);
  MouseUpAt(at, button);
}

namespace {

// A settled drag's press and release carry their point, so that a late
// move back cannot put them elsewhere.
void DragWith(POINT from, POINT to, Button button, int steps, bool settle) {
  MoveMouse(from);
  settle ? MouseDownAt(from, button) : MouseDown(button);
  for (int i = 1; i <= steps; ++i) {
    MoveMouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  }
  settle ? MouseUpAt(to, button) : MouseUp(button);
}

}  // namespace

void Drag(POINT from, POINT to, Button button, int steps) { DragWith(from, to, button, steps, false); }

void SettledDrag(POINT from, POINT to, Button button, int steps) { DragWith(from, to, button, steps, true); }

void SettledClick(POINT at, Button button) { Click(at, button); }

}  // namespace e2e::input
