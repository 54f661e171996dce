#include "ui/panel_win.h"

#include "ui/control_win.h"
#include "ui/form_win.h"
#include "ui/handles_win.h"
#include "ui/window_class_win.h"

namespace ui {
namespace {

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      COLORREF color = control && control->Color() ? *control->Color() : GetSysColor(COLOR_BTNFACE);
      SetBkColor(dc, color);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
      if (!control || control->Bevel()) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      wchar_t text[256];
      int length = GetWindowTextW(hwnd, text, 256);
      HFONT font = control ? control->Owner().Font() : nullptr;
      {
        // The previous font goes back before the device context does.
        SelectedObject selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text, length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (control && control->onCaptureLost) control->Owner().Invoke(control->onCaptureLost, control);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterPanelClass() { RegisterWindowClass(kPanelClass, PanelProc); }

void AttachPanel(HWND hwnd, Control* control) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace ui
