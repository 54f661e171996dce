#include "ui/application_win.h"

#include "ui/error_report_win.h"
#include "ui/form_win.h"

namespace ui {

namespace {

void Dispatch(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (Form::FromHandle(root) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

void RunMessageLoop(const MessageHook& hook) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (hook) ReportingErrors(nullptr, [&] { hook(msg); });
    Dispatch(msg);
  }
}

void RunModalLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
    if (got <= 0) return;
    Dispatch(msg);
  }
}

}  // namespace ui
