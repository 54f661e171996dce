#include "base/profile_section.h"

#include <algorithm>

namespace nolb {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

ProfileSection::ProfileSection(const std::vector<std::string>& lines) {
  for (std::string_view line : lines) {
    // A line without "=" names a key without a value, which hides a later
    // line of the same name.
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      entries_.push_back({std::string(Trimmed(line)), {}});
    } else {
      entries_.push_back({std::string(Trimmed(line.substr(0, equals))),
                          std::string(Unquoted(Trimmed(line.substr(equals + 1))))});
    }
  }
}

std::optional<std::string> ProfileSection::Find(std::string_view key) const {
  const std::string_view name = Trimmed(key);
  for (const Entry& entry : entries_) {
    if (SameName(entry.key, name)) return entry.value;
  }
  return std::nullopt;
}

}  // namespace nolb
