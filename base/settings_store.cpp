#include "base/settings_store.h"

#include "base/error.h"
#include "base/integer_text.h"

namespace nolb {

void SettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (!TryWrite(section, key, value)) throw Error(Path() + " に書き込めません");
}

void SettingsStore::RemoveSection(std::string_view section) {
  if (!TryRemoveSection(section)) throw Error(Path() + " に書き込めません");
}

std::int32_t ReadInteger(SettingsStore& store, std::string_view section, std::string_view key,
                         std::int32_t fallback) {
  std::optional<std::string> text = store.Read(section, key);
  if (!text) return fallback;
  return ParseInteger(*text).value_or(fallback);
}

bool ReadFlag(SettingsStore& store, std::string_view section, std::string_view key, bool fallback) {
  return ReadInteger(store, section, key, fallback ? 1 : 0) != 0;
}

void WriteInteger(SettingsStore& store, std::string_view section, std::string_view key,
                  std::int32_t value) {
  store.Write(section, key, IntegerText(value));
}

void WriteFlag(SettingsStore& store, std::string_view section, std::string_view key, bool value) {
  WriteInteger(store, section, key, value ? 1 : 0);
}

NativePath SettingsFilePath(const NativePath& executable) {
  return ReplaceExtension(executable, ".ini");
}

}  // namespace nolb
