#include "command/command_sender_win.h"

#include "command/command_reply_win.h"
#include "command/command_transfer.h"
#include "command/command_window_win.h"

namespace nolb {
namespace {

constexpr DWORD kPollMs = 20;
// A panel that takes longer to answer counts as not answering; a hung one
// (no messages taken for five seconds) at once.
constexpr UINT kAnswerWaitMs = 1000;

HWND FindCommandWindow() { return FindWindowExW(HWND_MESSAGE, nullptr, kCommandWindowClass, nullptr); }

// The window, once it is there and while waiting for it makes sense.
HWND WaitForCommandWindow(HANDLE started) {
  const DWORD start = GetTickCount();
  HWND window = FindCommandWindow();
  while (!window) {
    const MutexProbe probe = LookForPanel();
    const bool panelRuns = probe == MutexProbe::kExists || probe == MutexProbe::kDenied;
    const bool startedRuns = started && WaitForSingleObject(started, 0) == WAIT_TIMEOUT;
    if (!KeepWaitingForPanel(GetTickCount() - start, started != nullptr, panelRuns, startedRuns)) return nullptr;
    Sleep(kPollMs);
    window = FindCommandWindow();
  }
  return window;
}

}  // namespace

MutexProbe LookForPanel() {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutexName);
  if (mutex) {
    CloseHandle(mutex);
    return MutexProbe::kExists;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_ACCESS_DENIED) return MutexProbe::kDenied;
  return error == ERROR_FILE_NOT_FOUND ? MutexProbe::kMissing : MutexProbe::kFailed;
}

CommandOutcome DeliverToPanel(std::uint32_t marker, const std::vector<std::u16string>& arguments, HANDLE started) {
  HWND window = WaitForCommandWindow(started);
  if (!window) return {{CommandReason::kNoPanel, -1}};
  if (marker == kShowPanelMarker) {
    // The panel may take the foreground that this process has.
    DWORD panel = 0;
    GetWindowThreadProcessId(window, &panel);
    AllowSetForegroundWindow(panel);
  }
  const std::u16string payload = CommandPayload(arguments);
  COPYDATASTRUCT data{marker, static_cast<DWORD>(payload.size() * sizeof(char16_t)),
                      payload.empty() ? nullptr : const_cast<char16_t*>(payload.data())};
  const CommandReplyWindow reply;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_COPYDATA, reinterpret_cast<WPARAM>(reply.Handle()),
                           reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, kAnswerWaitMs,
                           &answer)) {
    // A panel of a higher integrity level takes no message from this one.
    return {{GetLastError() == ERROR_ACCESS_DENIED ? CommandReason::kRefused : CommandReason::kNoAnswer, -1}};
  }
  return {ResultFromAnswer(static_cast<std::uint32_t>(answer)), reply.ErrorText()};
}

}  // namespace nolb
