#include "harness/error.h"

#include <windows.h>

#include "harness/text.h"

namespace e2e {

std::string SystemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return "(" + std::to_string(code) + ") " + Utf8(text);
}

void ThrowLastError(const std::string& what) {
  throw HarnessError(what + ": " + SystemErrorText(GetLastError()));
}

}  // namespace e2e
