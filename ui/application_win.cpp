#include "ui/application_win.h"

#include "ui/error_report_win.h"
#include "ui/form_win.h"

namespace ui {
namespace {

MessageHook applicationHook;
// Modal loops of RunModalLoop under way, nested ones counted.
int modalLoops = 0;

// The class of the system's dialogs, message boxes among them.
constexpr wchar_t kSystemDialogClass[] = L"#32770";

BOOL CALLBACK FindSystemDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && lstrcmpW(name, kSystemDialogClass) == 0) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

void HandleMessage(MSG& msg) {
  if (applicationHook) ReportingErrors(nullptr, [&] { applicationHook(msg); });
  // Keyboard navigation concerns keys only. Other messages (the timers'
  // above all) go straight to their window: finding a key's form asks the
  // window system, which under Wine is a request to its server.
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (Form* form = Form::FromHandle(root)) {
      if (form->TakeShortcut(msg) || IsDialogMessageW(root, &msg)) return;
    }
  }
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
  struct Counted {
    Counted() { ++modalLoops; }
    ~Counted() { --modalLoops; }
  } counted;
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

bool ModalWindowShown() {
  if (modalLoops > 0) return true;
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), &FindSystemDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace ui
