#include "ui/settings_store_win.h"

#include <windows.h>

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

ProfileSettingsStore::ProfileSettingsStore() : file_(SettingsFilePath(ExecutablePath())) {}

std::optional<std::string> ProfileSettingsStore::Read(std::string_view section,
                                                      std::string_view key) {
  std::wstring wideSection = ui::Widen(section);
  std::wstring wideKey = ui::Widen(key);
  // A value is read whole, however long: the buffer grows until it holds it.
  std::wstring buffer(256, L'\0');
  for (;;) {
    DWORD n = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), file_.c_str());
    if (n + 1 < buffer.size()) {
      // A missing key and an empty value alike give no number.
      if (n == 0) return std::nullopt;
      buffer.resize(n);
      return ui::Narrow(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool ProfileSettingsStore::TryWrite(std::string_view section, std::string_view key,
                                    std::string_view value) {
  std::wstring wideSection = ui::Widen(section);
  std::wstring wideKey = ui::Widen(key);
  std::wstring wideValue = ui::Widen(value);
  return WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(),
                                    file_.c_str()) != FALSE;
}

std::string ProfileSettingsStore::Path() const { return ui::Narrow(file_); }

}  // namespace nolb
