#include "command/command_console_win.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "ui/text_win.h"

namespace nolb {
namespace {

HANDLE StandardHandleOf(ConsoleStream stream) {
  return GetStdHandle(stream == ConsoleStream::kError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
}

StandardHandle KindOf(HANDLE handle) {
  DWORD mode = 0;
  if (!handle || handle == INVALID_HANDLE_VALUE) return StandardHandle::kNone;
  if (GetConsoleMode(handle, &mode)) return StandardHandle::kConsole;
  return GetFileType(handle) == FILE_TYPE_UNKNOWN ? StandardHandle::kNone : StandardHandle::kFileOrPipe;
}

// Attaches to the starting process's console when it has one.
bool AttachToParentConsole(StandardHandle own) {
  return own == StandardHandle::kNone && AttachConsole(ATTACH_PARENT_PROCESS);
}

void WriteConsoleText(HANDLE console, const std::wstring& text) {
  // In pieces: old consoles refuse large writes. A console that fails is
  // not written again in another form.
  constexpr std::size_t kPiece = 8192;
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    const std::size_t length = std::min(kPiece, text.size() - at);
    DWORD written = 0;
    if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(length), &written, nullptr)) return;
  }
}

void WriteBytes(HANDLE file, const std::string& bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written, nullptr) ||
        written == 0) {
      return;
    }
    at += written;
  }
}

}  // namespace

OutputForm StartingOutput(ConsoleStream stream) {
  const StandardHandle own = KindOf(StandardHandleOf(stream));
  const bool parent = AttachToParentConsole(own);
  if (parent) FreeConsole();
  return ChooseOutputForm(own, parent);
}

void WriteToStartingConsole(ConsoleStream stream, std::string_view text) {
  HANDLE handle = StandardHandleOf(stream);
  const StandardHandle own = KindOf(handle);
  const std::string lines = WithCrLf(text);
  switch (ChooseOutputForm(own, AttachToParentConsole(own))) {
    case OutputForm::kConsole:
      WriteConsoleText(handle, ui::Widen(lines));
      break;
    case OutputForm::kBytes:
      WriteBytes(handle, lines);
      break;
    case OutputForm::kParentConsole: {
      HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
      if (console != INVALID_HANDLE_VALUE) {
        // The prompt of the console's shell may stand at the start of the line.
        WriteConsoleText(console, L"\r\n" + ui::Widen(lines));
        CloseHandle(console);
      }
      // Left at once: a process that stays attached would be ended with the console.
      FreeConsole();
      break;
    }
    case OutputForm::kNone:
      break;
  }
}

}  // namespace nolb
