#include "ui/console_win.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "ui/text_win.h"

namespace ui {
namespace {

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'\n') out += L'\r';
    out += c;
  }
  return out;
}

// Writes to the handle when it is a console; false when it is none.
bool WriteConsoleText(HANDLE console, const std::wstring& text) {
  DWORD mode = 0;
  if (!GetConsoleMode(console, &mode)) return false;
  // In pieces: old consoles refuse large writes. A console that fails is
  // not written again in another form.
  constexpr std::size_t kPiece = 8192;
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    const std::size_t length = std::min(kPiece, text.size() - at);
    DWORD written = 0;
    if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(length), &written, nullptr)) break;
  }
  return true;
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

void WriteToStartingConsole(ConsoleStream stream, std::string_view text) {
  const std::wstring lines = WithCrLf(Widen(text));
  HANDLE handle = GetStdHandle(stream == ConsoleStream::kError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (handle && handle != INVALID_HANDLE_VALUE) {
    if (WriteConsoleText(handle, lines)) return;
    if (GetFileType(handle) != FILE_TYPE_UNKNOWN) {
      WriteBytes(handle, Narrow(lines));
      return;
    }
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  if (console != INVALID_HANDLE_VALUE) {
    // The prompt of the console's shell may stand at the start of the line.
    WriteConsoleText(console, L"\r\n" + lines);
    CloseHandle(console);
  }
  // Left at once: a panel that stays attached would be ended with the console.
  FreeConsole();
}

}  // namespace ui
