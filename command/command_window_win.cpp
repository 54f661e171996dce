#include "command/command_window_win.h"

#include "command/command_transfer.h"
#include "base/error.h"
#include "ui/window_class_win.h"

namespace nolb {

CommandWindow::CommandWindow(std::function<CommandResult(const Command&)> run) : run_(std::move(run)) {
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
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CommandWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  // Only this program's commands: another message of this kind is no
  // command and gets the answer of a window that does not know it.
  if (message != WM_COPYDATA || !self || !data || data->dwData != kCommandMarker) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  CommandResult result{CommandReason::kFailed, -1};
  try {
    result = self->Received(*data);
  } catch (...) {
  }
  return static_cast<LRESULT>(AnswerValue(result));
}

CommandResult CommandWindow::Received(const COPYDATASTRUCT& data) {
  const CommandArguments arguments =
      ArgumentsFromPayload(static_cast<const std::uint8_t*>(data.lpData), data.cbData);
  if (arguments.error.reason != CommandReason::kNone) return arguments.error;
  const ParsedCommand parsed = ParseCommandLine(arguments.text);
  if (parsed.error.reason != CommandReason::kNone || parsed.command.help) return parsed.error;
  return CarryOut(parsed.command);
}

CommandResult CommandWindow::CarryOut(const Command& command) {
  if (running_) return {CommandReason::kCommandRunning, -1};
  running_ = true;
  CommandResult result{CommandReason::kFailed, -1};
  try {
    result = run_(command);
  } catch (...) {
  }
  running_ = false;
  return result;
}

}  // namespace nolb
