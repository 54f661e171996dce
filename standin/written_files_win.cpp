#include "written_files_win.h"

#include <windows.h>

#include <set>
#include <string>

namespace nolb::standin {
namespace {

std::uint64_t FromFileTime(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The folder's files last written at since or later, by their full paths.
void CollectWritten(const std::wstring& folder, std::uint64_t since, std::set<std::wstring>& found) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && FromFileTime(entry.ftLastWriteTime) >= since) {
      found.insert(folder + L"\\" + entry.cFileName);
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

}  // namespace

std::uint64_t FileClockNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return FromFileTime(now);
}

std::int32_t FilesWrittenSince(std::uint64_t since) {
  wchar_t path[MAX_PATH];
  std::set<std::wstring> found;
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring program(path, length);
  CollectWritten(program.substr(0, program.find_last_of(L"\\/")), since, found);
  length = GetCurrentDirectoryW(MAX_PATH, path);
  if (length > 0 && length < MAX_PATH) CollectWritten(std::wstring(path, length), since, found);
  return static_cast<std::int32_t>(found.size());
}

}  // namespace nolb::standin
