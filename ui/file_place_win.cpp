#include "ui/file_place_win.h"

#include <windows.h>

#include <map>
#include <string>

#include "ui/settings_store_win.h"

namespace nolb {
namespace {

// The folder part of a path, without the separator; empty for a bare name.
NativePath FolderOf(const NativePath& path) {
  const NativePath name = FileNameOf(path);
  NativePath folder = path.substr(0, path.size() - name.size());
  if (!folder.empty()) folder.pop_back();
  return folder;
}

// Whether a new file can be made in the folder ("" = the current
// directory), found by making one that goes when its handle is closed. A
// folder's answer does not change while the program runs: it is asked once.
bool FolderTakesNewFile(const NativePath& folder) {
  static std::map<NativePath, bool> known;
  if (auto found = known.find(folder); found != known.end()) return found->second;
  const NativePath probe = (folder.empty() ? L"" : folder + L"\\") + L"NOLB-" +
                           std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                            nullptr);
  const bool takes = file != INVALID_HANDLE_VALUE || GetLastError() == ERROR_FILE_EXISTS;
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  known.emplace(folder, takes);
  return takes;
}

// %APPDATA%\NOLB\name, or empty when the system names no such folder.
NativePath PerUserFile(const NativePath& name) {
  const DWORD size = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (size == 0) return {};
  std::wstring appData(size, L'\0');
  appData.resize(GetEnvironmentVariableW(L"APPDATA", appData.data(), size));
  if (appData.empty()) return {};
  return appData + L"\\NOLB\\" + name;
}

bool FileExists(const NativePath& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FilePlace PlaceOf(const NativePath& usual) {
  if (FolderTakesNewFile(FolderOf(usual))) return ChooseFilePlace(usual, true, {}, false);
  const NativePath perUser = PerUserFile(FileNameOf(usual));
  return ChooseFilePlace(usual, false, perUser, !perUser.empty() && FileExists(perUser));
}

}  // namespace

FilePlace SettingsFilePlace() { return PlaceOf(SettingsFilePath(ExecutablePath())); }

FilePlace PresetFilePlace(std::string_view name) { return PlaceOf(NativeAscii(name)); }

void MakeFolderFor(const NativePath& file) {
  const NativePath folder = FolderOf(file);
  if (!folder.empty()) CreateDirectoryW(folder.c_str(), nullptr);
}

}  // namespace nolb
