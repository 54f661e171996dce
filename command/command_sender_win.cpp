#include "command/command_sender_win.h"

#include <windows.h>

#include "command/command_transfer.h"
#include "command/command_window_win.h"

namespace nolb {
namespace {

// A panel that has taken the mutex makes its command window when its
// start-up is done; how long a command waits for that.
constexpr DWORD kStartWaitMs = 5000;
constexpr DWORD kPollMs = 20;
// A panel that takes longer to answer counts as not answering; a hung one
// (no messages taken for five seconds) at once.
constexpr UINT kAnswerWaitMs = 1000;

HWND FindCommandWindow() { return FindWindowExW(HWND_MESSAGE, nullptr, kCommandWindowClass, nullptr); }

bool PanelRuns() {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutexName);
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

}  // namespace

CommandResult SendCommandToPanel(const std::vector<std::u16string>& arguments) {
  const DWORD start = GetTickCount();
  HWND window = FindCommandWindow();
  while (!window) {
    if (!PanelRuns() || GetTickCount() - start > kStartWaitMs) return {CommandReason::kNoPanel, -1};
    Sleep(kPollMs);
    window = FindCommandWindow();
  }
  const std::u16string payload = CommandPayload(arguments);
  COPYDATASTRUCT data{kCommandMarker, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(payload.data())};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, kAnswerWaitMs, &answer)) {
    // A panel of a higher integrity level takes no message from this one.
    return {GetLastError() == ERROR_ACCESS_DENIED ? CommandReason::kRefused : CommandReason::kNoAnswer, -1};
  }
  return ResultFromAnswer(static_cast<std::uint32_t>(answer));
}

}  // namespace nolb
