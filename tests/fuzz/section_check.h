// The properties every section of the settings file keeps, whatever the file
// holds. The input is the text of a settings file: "[Section]" lines and
// "key=value" lines (a line without "=" is a key with an empty value).
//
// - Reading changes nothing in the file.
// - Only the section's own keys count, and a value that the integer
//   conversion rejects counts as missing: reading the file with only the
//   section's keys whose values convert gives the same settings.
// - What is read is in its range: writing the settings back gives each key
//   the text that its rule makes of the stored value (the default for a
//   missing or rejected one), in plain decimal, in the section's key order.
// - What is written reads back the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/integer_text.h"
#include "base/settings_store.h"
#include "base/window_placement.h"
#include "tests/fuzz/fuzz_support.h"

namespace nolb::fuzz {

// A settings file made of the input's lines, read in place: the input
// outlives the file. The last line of a key counts. Writing is not expected
// of a reader, only recorded.
class InputSettingsFile : public SettingsStore {
 public:
  struct Line {
    std::string_view section, key, value;
  };
  explicit InputSettingsFile(std::string_view text);
  explicit InputSettingsFile(std::vector<Line> lines) : lines_(std::move(lines)) {}

  std::optional<std::string> Read(std::string_view section, std::string_view key) override;
  std::string Path() const override { return "NOLBPanel.ini"; }
  // The line that holds the key, or null.
  const Line* Find(std::string_view section, std::string_view key) const;
  bool Written() const { return written_; }

 protected:
  bool TryWrite(std::string_view, std::string_view, std::string_view) override;
  bool TryRemoveSection(std::string_view) override;

 private:
  std::vector<Line> lines_;
  bool written_ = false;
};

// A settings file written key by key: the keys in the order written.
class WrittenSettingsFile : public SettingsStore {
 public:
  struct Key {
    std::string section, key, value;
  };
  std::optional<std::string> Read(std::string_view section, std::string_view key) override;
  std::string Path() const override { return "NOLBPanel.ini"; }
  const std::vector<Key>& Keys() const { return keys_; }

 protected:
  bool TryWrite(std::string_view section, std::string_view key, std::string_view value) override;
  bool TryRemoveSection(std::string_view section) override;

 private:
  std::vector<Key> keys_;
};

// How a key's number becomes its field.
enum class KeyRule {
  kInteger,      // any 32-bit number
  kFlag,         // set when non-zero, written as 0 or 1
  kLowByte,      // the low 8 bits
  kRotation,     // 0 to 3; any other number gives 0
  kTickPeriod,   // 10 to 100 (ms); any other number gives 33
  kHotkeyValue,  // modulo 65536, keeping the key code's low byte, Shift, Ctrl and Alt
};

struct SectionKey {
  std::string name;
  KeyRule rule;
  std::int32_t fallback;  // the number of a missing key
};

// The text that writing gives a key read from the stored text (nothing: a
// missing key).
std::string WrittenBack(const SectionKey& key, const std::optional<std::string>& stored);

// The file with only the section's keys whose values the conversion accepts.
InputSettingsFile ConvertibleKeysOnly(const InputSettingsFile& file, std::string_view section,
                                      const std::vector<SectionKey>& keys);

// A window at a stored place is put where the user can reach it: when it
// has a size, it keeps it and shares a pixel with some monitor's work area
// (two monitors side by side, the second one higher).
void CheckPlacement(const WindowRect& stored);

template <typename Settings, typename Read, typename Write>
Settings CheckSection(std::string_view input, std::string_view section,
                      const std::vector<SectionKey>& keys, Read read, Write write) {
  InputSettingsFile file(input);
  const Settings settings = read(file);
  FUZZ_REQUIRE(!file.Written(), "reading wrote into the file");

  InputSettingsFile convertible = ConvertibleKeysOnly(file, section, keys);
  FUZZ_REQUIRE(read(convertible) == settings,
               "a rejected value or a key of no concern changed what was read");

  WrittenSettingsFile out;
  write(out, settings);
  FUZZ_REQUIRE(out.Keys().size() == keys.size(),
               std::to_string(out.Keys().size()) + " keys written");
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const WrittenSettingsFile::Key& written = out.Keys()[i];
    const std::optional<std::string> stored = file.Read(section, keys[i].name);
    const std::string expected = WrittenBack(keys[i], stored);
    FUZZ_REQUIRE(written.section == section && written.key == keys[i].name &&
                     written.value == expected,
                 "[" + written.section + "] " + written.key + " read from " +
                     (stored ? Shown(*stored) : "no key") + " was written as " +
                     Shown(written.value) + ", expected " + keys[i].name + "=" + expected);
  }
  FUZZ_REQUIRE(read(out) == settings, "what was written does not read back the same");
  return settings;
}

}  // namespace nolb::fuzz
