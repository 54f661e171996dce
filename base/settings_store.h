// The settings file as the program's rules see it: sections of keys with
// text values, read one key at a time and written through at once. The Win32
// shell implements it over the profile functions of the file beside the
// executable (or in the user's folder, base/file_place.h); unit tests use an
// in-memory store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/native_path.h"

namespace nolb {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text of a key, or nothing when the file, the section or the key is
  // missing.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;

  // Writes one key through at once (a missing file is created). Raises Error
  // "<path> に書き込めません" when the file cannot be written.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // Removes a section and its keys; raises Error as Write does.
  void RemoveSection(std::string_view section);

  // The settings file's full path, UTF-8; it names the file in messages.
  virtual std::string Path() const = 0;

 protected:
  // Writes one key; false when the file cannot be written.
  virtual bool TryWrite(std::string_view section, std::string_view key, std::string_view value) = 0;
  // Removes a section (a missing one is no failure); false when the file
  // cannot be written.
  virtual bool TryRemoveSection(std::string_view section) = 0;
};

// A key as an integer by the integer conversion; a missing key or a text
// that is no number gives the fallback.
std::int32_t ReadInteger(SettingsStore& store, std::string_view section, std::string_view key,
                         std::int32_t fallback);

// A key as a flag: set when its integer is non-zero; otherwise as ReadInteger.
bool ReadFlag(SettingsStore& store, std::string_view section, std::string_view key, bool fallback);

// Integers are written in plain decimal, flags as 0 or 1.
void WriteInteger(SettingsStore& store, std::string_view section, std::string_view key,
                  std::int32_t value);
void WriteFlag(SettingsStore& store, std::string_view section, std::string_view key, bool value);

// One key into a field of a settings record: a flag as ReadFlag, an integer
// as ReadInteger, a narrower integer field keeping the low bits.
template <typename Field>
void ReadKey(SettingsStore& store, std::string_view section, std::string_view key, Field& field,
             std::type_identity_t<Field> fallback) {
  if constexpr (std::is_same_v<Field, bool>) {
    field = ReadFlag(store, section, key, fallback);
  } else {
    field = static_cast<Field>(ReadInteger(store, section, key, fallback));
  }
}

// One field of a settings record into its key: flags as 0 or 1, integers in
// plain decimal.
template <typename Field>
void WriteKey(SettingsStore& store, std::string_view section, std::string_view key,
              const Field& field) {
  if constexpr (std::is_same_v<Field, bool>) {
    WriteFlag(store, section, key, field);
  } else {
    WriteInteger(store, section, key, field);
  }
}

// A whole section into a settings record and back. forEachKey(record,
// visit) calls visit(key, field, default) for every key, in file order.
template <typename Settings, typename ForEachKey>
Settings ReadSection(SettingsStore& store, std::string_view section, ForEachKey forEachKey) {
  Settings settings;
  forEachKey(settings, [&](const char* key, auto& field, auto fallback) {
    ReadKey(store, section, key, field, fallback);
  });
  return settings;
}

template <typename Settings, typename ForEachKey>
void WriteSection(SettingsStore& store, std::string_view section, const Settings& settings,
                  ForEachKey forEachKey) {
  forEachKey(settings, [&](const char* key, const auto& field, auto) {
    WriteKey(store, section, key, field);
  });
}

// The settings file of a program: its executable's path with the extension
// replaced by ".ini".
NativePath SettingsFilePath(const NativePath& executable);

}  // namespace nolb
