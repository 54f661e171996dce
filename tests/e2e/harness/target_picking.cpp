#include "harness/target_picking.h"

#include "harness/error.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {

namespace {

constexpr wchar_t kIdleCaption[] = L"Drag here.";
constexpr wchar_t kSearchingCaption[] = L"Searching...";

// The point in the absolute mouse coordinates, 0 to 65535 across the
// virtual screen, rounded up: the system maps it back by rounding down.
INPUT AbsoluteMouse(POINT at, DWORD flags) {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(((at.x - left) * 65536LL + width - 1) / width);
  input.mi.dy = static_cast<LONG>(((at.y - top) * 65536LL + height - 1) / height);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

void Send(INPUT* inputs, UINT count) {
  if (SendInput(count, inputs, sizeof(INPUT)) != count) ThrowLastError("SendInput");
}

void MoveTo(POINT at) {
  INPUT move = AbsoluteMouse(at, MOUSEEVENTF_MOVE);
  Send(&move, 1);
  POINT now{};
  if (!WaitUntil([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }, 5s)) {
    throw HarnessError("the cursor did not reach " + std::to_string(at.x) + ", " + std::to_string(at.y) +
                       " (it is at " + std::to_string(now.x) + ", " + std::to_string(now.y) + ")");
  }
}

DWORD DownFlag(input::Button button) {
  return button == input::Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
}

DWORD UpFlag(input::Button button) {
  return button == input::Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
}

}  // namespace

TargetWindow StartTargetBesidePanel() {
  MoveTo({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
  return TargetWindow::Start({.frame = {420, 160, 420 + 400, 160 + 300}});
}

POINT InsideMainNotChild(const TargetWindow& target) {
  POINT origin = ClientOrigin(target.Main());
  SIZE size = ClientSize(target.Main());
  // The child sits near the top-left corner; the lower right quarter is free.
  return {origin.x + size.cx * 3 / 4, origin.y + size.cy * 3 / 4};
}

POINT InsideChild(const TargetWindow& target) { return target.Child().Center(); }

int32_t HandleArg(HWND window) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(window)); }

int32_t DesktopArg() { return HandleArg(GetDesktopWindow()); }

std::wstring TargetCaption(const Window& window) {
  std::wstring text(1024, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window.Handle(), text.data(), 1024)));
  return text + L" (" + window.ClassName() + L")";
}

SIZE ClientSize(const Window& window) {
  RECT client{};
  if (!GetClientRect(window.Handle(), &client)) ThrowLastError("GetClientRect of " + window.Describe());
  return {client.right, client.bottom};
}

POINT ClientOrigin(const Window& window) {
  POINT origin{0, 0};
  if (!ClientToScreen(window.Handle(), &origin)) ThrowLastError("ClientToScreen of " + window.Describe());
  return origin;
}

PickerDrag::PickerDrag(const Panel& panel, input::Button button) : panel_(panel), button_(button) {
  Window drag = panel.Control("PanelDrag");
  panel.Activate();
  at_ = drag.Center();
  MoveTo(at_);
  INPUT down = AbsoluteMouse(at_, DownFlag(button));
  Send(&down, 1);
  if (!WaitUntil([&] { return drag.Text() == kSearchingCaption; })) {
    INPUT up = AbsoluteMouse(at_, UpFlag(button));
    Send(&up, 1);
    Window under(WindowFromPoint(at_));
    throw HarnessError("pressing the mouse on PanelDrag did not start a search; its caption is \"" +
                       Utf8(drag.Text()) + "\"; under the cursor: " + under.Describe() +
                       "; in front: " + Window(GetForegroundWindow()).Describe());
  }
}

PickerDrag::~PickerDrag() {
  if (released_) return;
  INPUT up = AbsoluteMouse(at_, UpFlag(button_));
  SendInput(1, &up, sizeof up);
}

void PickerDrag::Over(POINT point, const std::wstring& expectedCaption) {
  Window caption = panel_.Control("EditWindowCaption");
  MoveTo(point);
  at_ = point;
  if (!WaitUntil([&] { return caption.Text() == expectedCaption; })) {
    throw HarnessError("dragging over " + std::to_string(point.x) + ", " + std::to_string(point.y) +
                       " did not show \"" + Utf8(expectedCaption) + "\" in the caption box; it shows \"" +
                       Utf8(caption.Text()) + "\"");
  }
}

void PickerDrag::Release() {
  released_ = true;
  INPUT up = AbsoluteMouse(at_, UpFlag(button_));
  Send(&up, 1);
  Window drag = panel_.Control("PanelDrag");
  if (!WaitUntil([&] { return drag.Text() == kIdleCaption; })) {
    throw HarnessError("releasing the mouse did not end the search; PanelDrag shows \"" + Utf8(drag.Text()) + "\"");
  }
}

void DragPick(const Panel& panel, POINT over, const std::wstring& expectedCaption, input::Button button) {
  PickerDrag drag(panel, button);
  drag.Over(over, expectedCaption);
  drag.Release();
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  if (!screen) ThrowLastError("GetDC of the screen");
  COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

COLORREF Inverted(COLORREF colour) { return colour ^ 0x00FFFFFF; }

void QuickClick(POINT at, input::Button button) {
  MoveTo(at);
  INPUT click[2] = {AbsoluteMouse(at, DownFlag(button)), AbsoluteMouse(at, UpFlag(button))};
  Send(click, 2);
}

}  // namespace e2e
