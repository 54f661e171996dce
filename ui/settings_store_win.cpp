#include "ui/settings_store_win.h"

#include <windows.h>

#include <string>
#include <vector>

#include "ui/file_place_win.h"
#include "ui/text_win.h"

namespace nolb {

NativePath ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ProfileSettingsStore::ProfileSettingsStore() : place_(SettingsFilePlace()) {}

const ProfileSection& ProfileSettingsStore::Section(std::string_view name) {
  if (auto known = sections_.find(name); known != sections_.end()) return known->second;
  if (!fileExists_) fileExists_ = GetFileAttributesW(place_.read.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::wstring wideName = ui::Widen(name);
  // The section is read whole, however long: the buffer grows until it holds
  // it (a text that does not fit comes back two characters short of it).
  std::wstring buffer(4096, L'\0');
  for (;;) {
    DWORD n = GetPrivateProfileSectionW(wideName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                        place_.read.c_str());
    if (n + 2 < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  // "key=value", each ended by a NUL.
  std::vector<std::string> lines;
  for (size_t start = 0; start < buffer.size();) {
    size_t end = buffer.find(L'\0', start);
    if (end == std::wstring::npos) end = buffer.size();
    lines.push_back(ui::Narrow(buffer.substr(start, end - start)));
    start = end + 1;
  }
  return sections_.emplace(std::string(name), ProfileSection(lines)).first->second;
}

std::optional<std::string> ProfileSettingsStore::ReadAlone(std::string_view section,
                                                           std::string_view key) const {
  std::wstring wideSection = ui::Widen(section);
  std::wstring wideKey = ui::Widen(key);
  // A value is read whole, however long: the buffer grows until it holds it.
  std::wstring buffer(256, L'\0');
  for (;;) {
    DWORD n = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), place_.read.c_str());
    if (n + 1 < buffer.size()) {
      buffer.resize(n);
      return ui::Narrow(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::optional<std::string> ProfileSettingsStore::Read(std::string_view section,
                                                      std::string_view key) {
  std::optional<std::string> value = Section(section).Find(key);
  if (!value && *fileExists_) value = ReadAlone(section, key);
  // A missing key and an empty value alike give no number.
  if (value && value->empty()) return std::nullopt;
  return value;
}

bool ProfileSettingsStore::TryWrite(std::string_view section, std::string_view key,
                                    std::string_view value) {
  std::wstring wideSection = ui::Widen(section);
  std::wstring wideKey = ui::Widen(key);
  std::wstring wideValue = ui::Widen(value);
  sections_.clear();
  fileExists_.reset();
  if (!written_) {
    MakeFolderFor(place_.write);
    place_.read = place_.write;
    written_ = true;
  }
  return WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(),
                                    place_.write.c_str()) != FALSE;
}

bool ProfileSettingsStore::TryRemoveSection(std::string_view section) {
  std::wstring wideSection = ui::Widen(section);
  sections_.clear();
  fileExists_.reset();
  // A file that does not exist has no section to remove.
  if (GetFileAttributesW(place_.write.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  return WritePrivateProfileStringW(wideSection.c_str(), nullptr, nullptr, place_.write.c_str()) != FALSE;
}

std::string ProfileSettingsStore::Path() const { return ui::Narrow(place_.write); }

}  // namespace nolb
