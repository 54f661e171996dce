#include "harness/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "harness/error.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH + 1];
  if (!GetTempPathW(MAX_PATH + 1, temp)) ThrowLastError("GetTempPathW");
  for (;;) {
    path_ = std::filesystem::path(temp) / (L"nolb-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                           std::to_wstring(++counter));
    if (CreateDirectoryW(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) ThrowLastError("cannot create " + Utf8(path_.wstring()));
  }
}

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  // A program that has just ended may hold its files for a moment.
  WaitUntil(
      [&] {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        return !error;
      },
      5s);
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw HarnessError("cannot write " + Utf8(file.wstring()));
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw HarnessError("cannot read " + Utf8(file.wstring()));
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace e2e
