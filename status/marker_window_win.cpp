#include "status/marker_window_win.h"

#include "status/marker_images_win.h"

namespace nolb {
namespace {

constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr std::uint32_t kLimePixel = 0x0000FF00;  // 0x00RRGGBB
constexpr UINT kTopmostInterval = 200;            // ms
// Never active, layered, and transparent to the mouse.
constexpr LONG kMarkerExStyle = WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
static_assert(kMarkerExStyle == 0x08080020);

}  // namespace

TFormBit::TFormBit() : ui::Form(L"FormBit") {}

TFormBit::~TFormBit() {
  // Destroyed here, while the whole object still stands, so that the window
  // goes through its normal end.
  if (HWND hwnd = Handle()) DestroyWindow(hwnd);
}

void TFormBit::Create(int width, int height) {
  imageBit_.emplace(width, height);
  imageBit_->Fill(kLimePixel);
  background_.Reset(CreateSolidBrush(kLime));
  ui::FormDesc desc;
  desc.className = L"TFormBit";
  desc.style = WS_POPUP;
  // A tool window: no button on the task bar.
  desc.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  desc.place = {0, 0, width, height};
  Form::Create(desc, {});
  // Runs only while the marker is shown: a hidden marker has nothing to do.
  AddTimer(L"TimerCheck", kTopmostInterval, false, On<TFormBit>(&TFormBit::TimerCheckTimer));
}

void TFormBit::FormCreate() {
  HWND hwnd = Handle();
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | kMarkerExStyle);
  SetLayeredWindowAttributes(hwnd, kLime, 0, LWA_COLORKEY);
}

bool TFormBit::FormCloseQuery() {
  Hide();
  return false;
}

void TFormBit::ShowWithoutActivating() {
  Show(SW_SHOWNOACTIVATE);
  TimerNamed(L"TimerCheck").SetEnabled(true);
}

void TFormBit::Hide() {
  TimerNamed(L"TimerCheck").SetEnabled(false);
  Show(SW_HIDE);
}

void TFormBit::MoveTo(Point topLeft) {
  SetWindowPos(Handle(), nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormBit::DrawImage(const MarkerImages& images, int image) {
  images.Draw(image, imageBit_->Dc(), 0, 0);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TFormBit::TimerCheckTimer(ui::Component*) {
  // Another topmost window may have covered the marker.
  if (Visible()) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

void TFormBit::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  imageBit_->DrawTo(dc, 0, 0, 0, 0, imageBit_->Width(), imageBit_->Height());
  EndPaint(Handle(), &ps);
}

std::optional<LRESULT> TFormBit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW:
      // The notice of a hide that the system makes on its own, as when an
      // owner window is minimised, is dropped: a marker stays. Hiding by the
      // program does not depend on this message.
      if (wParam == 0) return 0;
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(Handle(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return Form::OnMessage(message, wParam, lParam);
}

}  // namespace nolb
