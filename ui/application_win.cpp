#include "ui/application_win.h"

#include "ui/error_report_win.h"
#include "ui/form_win.h"

namespace ui {
namespace {

MessageHook applicationHook;

void HandleMessage(MSG& msg) {
  if (applicationHook) ReportingErrors(nullptr, [&] { applicationHook(msg); });
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (Form::FromHandle(root) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

void RunMessageLoop(const MessageHook& hook) {
  applicationHook = hook;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) HandleMessage(msg);
  applicationHook = nullptr;
}

void RunModalLoop(const std::function<bool()>& running) {
  MSG msg;
  while (running()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (got < 0) return;
    HandleMessage(msg);
  }
}

}  // namespace ui
