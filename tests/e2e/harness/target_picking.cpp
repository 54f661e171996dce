#include "harness/target_picking.h"

#include "harness/error.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {

namespace {

constexpr wchar_t kIdleCaption[] = L"Drag here.";
constexpr wchar_t kSearchingCaption[] = L"Searching...";

}  // namespace

TargetWindow StartTargetBesidePanel() {
  input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
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
  POINT at = drag.Center();
  input::MoveMouse(at);
  input::MouseDown(button);
  if (!WaitUntil([&] { return drag.Text() == kSearchingCaption; })) {
    input::MouseUp(button);
    Window under(WindowFromPoint(at));
    throw HarnessError("pressing the mouse on PanelDrag did not start a search; its caption is \"" +
                       Utf8(drag.Text()) + "\"; under the cursor: " + under.Describe() +
                       "; in front: " + Window(GetForegroundWindow()).Describe());
  }
}

PickerDrag::~PickerDrag() {
  if (released_) return;
  try {
    input::MouseUp(button_);
  } catch (const HarnessError&) {
    // Nothing more to do for a drag that a failing test leaves.
  }
}

void PickerDrag::Over(POINT point, const std::wstring& expectedCaption) {
  Window caption = panel_.Control("EditWindowCaption");
  input::MoveMouse(point);
  if (!WaitUntil([&] { return caption.Text() == expectedCaption; })) {
    throw HarnessError("dragging over " + std::to_string(point.x) + ", " + std::to_string(point.y) +
                       " did not show \"" + Utf8(expectedCaption) + "\" in the caption box; it shows \"" +
                       Utf8(caption.Text()) + "\"");
  }
}

void PickerDrag::Release() {
  released_ = true;
  input::MouseUp(button_);
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
  input::MoveMouse(at);
  INPUT click[2]{};
  for (INPUT& each : click) each.type = INPUT_MOUSE;
  click[0].mi.dwFlags = input::DownFlag(button);
  click[1].mi.dwFlags = input::UpFlag(button);
  if (SendInput(2, click, sizeof(INPUT)) != 2) ThrowLastError("SendInput");
}

}  // namespace e2e
