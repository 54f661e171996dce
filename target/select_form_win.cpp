#include "target/select_form_win.h"

#include <windowsx.h>

#include "status/translucency_win.h"
#include "target/wrap32.h"
#include "ui/handles_win.h"
#include "ui/monitor_scaling_win.h"

namespace nolb {

TFormSelect* FormSelect = nullptr;

namespace {

// What no monitor shows, between and beside monitors of different sizes.
constexpr COLORREF kNothingShown = RGB(32, 32, 32);

struct ButtonEvent {
  MouseButton button;
  enum Kind { kDown, kUp, kDoubleClick } kind;
};

std::optional<ButtonEvent> ButtonEventOf(UINT message) {
  using B = MouseButton;
  using E = ButtonEvent;
  switch (message) {
    case WM_LBUTTONDOWN: return E{B::kLeft, E::kDown};
    case WM_MBUTTONDOWN: return E{B::kMiddle, E::kDown};
    case WM_RBUTTONDOWN: return E{B::kRight, E::kDown};
    case WM_LBUTTONUP: return E{B::kLeft, E::kUp};
    case WM_MBUTTONUP: return E{B::kMiddle, E::kUp};
    case WM_RBUTTONUP: return E{B::kRight, E::kUp};
    case WM_LBUTTONDBLCLK: return E{B::kLeft, E::kDoubleClick};
    case WM_MBUTTONDBLCLK: return E{B::kMiddle, E::kDoubleClick};
    case WM_RBUTTONDBLCLK: return E{B::kRight, E::kDoubleClick};
  }
  return std::nullopt;
}

BOOL CALLBACK PaintNow(HWND window, LPARAM) {
  UpdateWindow(window);
  return TRUE;
}

}  // namespace

void InvertRectOutline(HDC dc, const Corners& r) {
  const int previous = SetROP2(dc, R2_NOTXORPEN);
  const POINT points[] = {{r.x1, r.y1}, {r.x1, r.y2}, {r.x2, r.y2}, {r.x2, r.y1}, {r.x1, r.y1}};
  Polyline(dc, points, 5);
  SetROP2(dc, previous);
}

TFormSelect::TFormSelect() : ui::Form(L"FormSelect") {}

TFormSelect::~TFormSelect() {
  if (FormSelect == this) FormSelect = nullptr;
  if (HWND hwnd = Handle()) DestroyWindow(hwnd);
}

void TFormSelect::Create() {
  FormSelect = this;
  ui::FormDesc desc;
  desc.className = L"TFormSelect";
  desc.style = WS_POPUP;
  // No button on the task bar; the window is layered from the start.
  desc.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
  const nolb::WindowRect screen = ui::VirtualScreenRect();
  desc.place = {screen.left, screen.top, screen.width, screen.height};
  desc.backgroundColor = ui::kNoBackground;
  Form::Create(desc, {});
}

void TFormSelect::FormCreate() { SetTranslucency(Handle(), true, 0); }

const ScreenSelection& TFormSelect::Select(SelectMode mode, Size size) {
  selection_.Begin(mode, size.width, size.height);
  FormShow();
  ShowModal();
  return selection_;
}

void TFormSelect::FormShow() {
  // Every monitor: the window's client coordinates plus the virtual
  // screen's origin are screen coordinates.
  const nolb::WindowRect screen = ui::VirtualScreenRect();
  origin_ = {screen.left, screen.top};
  const int width = screen.width;
  const int height = screen.height;
  SetWindowPos(Handle(), nullptr, screen.left, screen.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (!picture_ || picture_->Width() != width || picture_->Height() != height) {
    picture_.emplace(width, height);
  }
  // The program's own windows finish their pending paints first, so that
  // the picture shows them as they are (the edits the desktop button filled).
  EnumThreadWindows(GetCurrentThreadId(), &PaintNow, 0);
  ui::CopyScreen(picture_->Dc(), {origin_.x, origin_.y}, kNothingShown);
  opaque_ = false;
  InvalidateRect(Handle(), nullptr, FALSE);
}

bool TFormSelect::FormCloseQuery() {
  FormClose();
  return false;
}

void TFormSelect::FormClose() {
  if (GetCapture() == Handle()) ReleaseCapture();
  SetTranslucency(Handle(), true, 0);
  Show(SW_HIDE);
}

void TFormSelect::FormDblClick(ui::Component*) { Close(); }

void TFormSelect::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  POINT cursor{};
  GetCursorPos(&cursor);
  selection_.Paint({cursor.x, cursor.y});
  const RECT& r = ps.rcPaint;
  picture_->DrawTo(dc, r.left, r.top, r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (std::optional<Corners> outline = selection_.Drawn()) InvertRectOutline(dc, OnWindow(*outline));
  EndPaint(Handle(), &ps);
  if (!opaque_) {
    // The picture is up: in front of every topmost window, then opaque.
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SetTranslucency(Handle(), true, 255);
    opaque_ = true;
  }
}

Point TFormSelect::PointOf(LPARAM at) const {
  return {GET_X_LPARAM(at) + origin_.x, GET_Y_LPARAM(at) + origin_.y};
}

Corners TFormSelect::OnWindow(const Corners& r) const {
  // In 64 bits: an outline of a huge typed size reaches the 32-bit limits.
  auto x = [&](std::int32_t v) { return Wrap32(std::int64_t{v} - origin_.x); };
  auto y = [&](std::int32_t v) { return Wrap32(std::int64_t{v} - origin_.y); };
  return {x(r.x1), y(r.y1), x(r.x2), y(r.y2)};
}

void TFormSelect::Perform(const SelectionStep& step) {
  if (!step.invert.empty()) {
    ui::WindowDc dc(Handle());
    for (const Corners& outline : step.invert) InvertRectOutline(dc.Get(), OnWindow(outline));
  }
  if (step.close) Close();
}

void TFormSelect::MouseDown(MouseButton button, LPARAM at) {
  const SelectionStep step = selection_.Press(button, PointOf(at));
  // A range drag keeps the mouse until its release, wherever that is.
  if (selection_.Dragging()) SetCapture(Handle());
  Perform(step);
}

void TFormSelect::MouseUp(MouseButton button, LPARAM at) {
  Perform(selection_.Release(button, PointOf(at)));
}

std::optional<LRESULT> TFormSelect::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::optional<ButtonEvent> event = ButtonEventOf(message)) {
    if (event->kind == ButtonEvent::kUp) {
      MouseUp(event->button, lParam);
      return 0;
    }
    MouseDown(event->button, lParam);
    // The second press of a double click counts as a press, then closes.
    if (event->kind == ButtonEvent::kDoubleClick && Visible()) FormDblClick(this);
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      if (!picture_) break;
      Paint();
      return 0;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      // The frozen picture covers the window: nothing is filled first.
      return DefWindowProcW(Handle(), message, wParam, lParam);
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      SetCursor(LoadCursorW(nullptr, IDC_CROSS));
      return TRUE;
    case WM_MOUSEMOVE:
      Perform(selection_.Move(PointOf(lParam)));
      return 0;
    case WM_KEYDOWN:
      // Esc closes without a selection, as the system's close command does.
      if (wParam != VK_ESCAPE) break;
      Close();
      return 0;
    case WM_COMMAND:
      // Esc, as the dialog keyboard handling reports it.
      if (LOWORD(wParam) != IDCANCEL) break;
      Close();
      return 0;
    case WM_ENDSESSION:
      // The session ends: the selection is cancelled, nothing is applied.
      if (wParam && Visible()) Close();
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace nolb
