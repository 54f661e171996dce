// An in-memory settings file: keys by section, a log of every write in
// order, and a switch that makes writing fail.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/settings_store.h"

namespace nolb {

class MemorySettingsStore : public SettingsStore {
 public:
  struct WrittenKey {
    std::string section, key, value;
    bool operator==(const WrittenKey&) const = default;
  };

  std::optional<std::string> Read(std::string_view section, std::string_view key) override {
    auto found = values.find({std::string(section), std::string(key)});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }

  std::string Path() const override { return path; }

  void Set(std::string_view section, std::string_view key, std::string_view value) {
    values[{std::string(section), std::string(key)}] = std::string(value);
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<WrittenKey> writes;
  bool failWrites = false;
  std::string path = "C:\\NOLB\\NOLBPanel.ini";

 protected:
  bool TryWrite(std::string_view section, std::string_view key, std::string_view value) override {
    if (failWrites) return false;
    Set(section, key, value);
    writes.push_back({std::string(section), std::string(key), std::string(value)});
    return true;
  }
  bool TryRemoveSection(std::string_view section) override {
    if (failWrites) return false;
    std::erase_if(values, [&](const auto& entry) { return entry.first.first == section; });
    writes.push_back({std::string(section), "", ""});
    return true;
  }
};

}  // namespace nolb
