#include "command/command_window_win.h"

#include "base/error.h"
#include "command/command_reply_win.h"
#include "command/command_text.h"
#include "command/command_transfer.h"
#include "ui/text_win.h"
#include "ui/window_class_win.h"

namespace nolb {

CommandWindow::CommandWindow(CommandHandlers handlers) : handlers_(std::move(handlers)) {
  ui::RegisterWindowClass(kCommandWindowClass, &CommandWindow::WindowProc);
  hwnd_ = CreateWindowExW(0, kCommandWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw Error("ウィンドウを作成できません");
}

CommandWindow::~CommandWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK CommandWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = ui::WindowObject<CommandWindow>(hwnd, message, lParam);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  // Only this program's messages: another message of this kind is no
  // command and gets the answer of a window that does not know it.
  const bool command = data && (data->dwData == kCommandMarker || data->dwData == kNoticeCommandMarker);
  if (message != WM_COPYDATA || !self || !data || (!command && data->dwData != kShowPanelMarker)) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  CommandResult result{CommandReason::kFailed, -1};
  try {
    if (command) {
      result = self->Received(*data, reinterpret_cast<HWND>(wParam));
    } else {
      self->handlers_.show();
      result = {};
    }
  } catch (...) {
  }
  return static_cast<LRESULT>(AnswerValue(result));
}

CommandResult CommandWindow::Received(const COPYDATASTRUCT& data, HWND reply) {
  const CommandArguments arguments =
      ArgumentsFromPayload(static_cast<const std::uint8_t*>(data.lpData), data.cbData);
  CommandOutcome outcome{arguments.error};
  if (outcome.result.reason == CommandReason::kNone) {
    const ParsedCommand parsed = ParseCommandLine(arguments.text);
    outcome.result = parsed.error;
    if (parsed.error.reason == CommandReason::kNone && !parsed.command.help) outcome = CarryOut(parsed.command);
  }
  if (outcome.result.reason == CommandReason::kNone) return outcome.result;
  if (data.dwData == kNoticeCommandMarker) {
    handlers_.notice(ui::Widen(CommandResultMessage(outcome, arguments.text)));
  } else if (!outcome.error.empty()) {
    SendErrorText(reply, outcome.error);
  }
  return outcome.result;
}

CommandOutcome CommandWindow::CarryOut(const Command& command) {
  if (running_) return {{CommandReason::kCommandRunning, -1}};
  running_ = true;
  CommandOutcome outcome{{CommandReason::kFailed, -1}};
  try {
    outcome = handlers_.run(command);
  } catch (...) {
  }
  running_ = false;
  return outcome;
}

}  // namespace nolb
