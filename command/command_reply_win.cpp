#include "command/command_reply_win.h"

#include <array>

#include "command/command_transfer.h"
#include "ui/text_win.h"
#include "ui/window_class_win.h"

namespace nolb {

CommandReplyWindow::CommandReplyWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &CommandReplyWindow::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kCommandReplyWindowClass;
  RegisterClassW(&windowClass);
  // Without it the command goes all the same, only a step's error is not told.
  hwnd_ = CreateWindowExW(0, kCommandReplyWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), this);
}

CommandReplyWindow::~CommandReplyWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK CommandReplyWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = ui::WindowObject<CommandReplyWindow>(hwnd, message, lParam);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (message != WM_COPYDATA || !self || !data || data->dwData != kErrorTextMarker) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  const CommandArguments text = ArgumentsFromPayload(static_cast<const std::uint8_t*>(data->lpData), data->cbData);
  if (text.error.reason == CommandReason::kNone && text.text.size() == 1) self->errorText_ = text.text[0];
  return TRUE;
}

void SendErrorText(HWND reply, std::string_view text) {
  std::array<wchar_t, std::size(kCommandReplyWindowClass) + 1> name{};
  if (!reply || !GetClassNameW(reply, name.data(), static_cast<int>(name.size())) ||
      std::wstring_view(name.data()) != kCommandReplyWindowClass) {
    return;
  }
  const std::wstring wide = ui::Widen(text);
  const std::u16string payload = CommandPayload({std::u16string(wide.begin(), wide.end())});
  COPYDATASTRUCT data{kErrorTextMarker, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(payload.data())};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(reply, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 1000, &ignored);
}

}  // namespace nolb
