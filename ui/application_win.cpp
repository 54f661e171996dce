#include "ui/application_win.h"

#include "ui/error_report_win.h"
#include "ui/form_win.h"

namespace ui {

void RunMessageLoop(const MessageHook& hook) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (hook) ReportingErrors(nullptr, [&] { hook(msg); });
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (Form::FromHandle(root) && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace ui
