// One section of a settings file, taken from the file in one piece (each of
// its lines as a "key=value" text) and looked up key by key the way the
// platform's profile functions look up a single key: names compared without
// regard to ASCII case, the first line of a name wins, blanks around names
// and values do not count, and one pair of matching quotes around a value is
// removed. Reading a section at once opens the file once instead of once per
// key. (A key missing here may still be found by a one-key read in a later
// section of the same name, which the platform may count as this one.)
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nolb {

class ProfileSection {
 public:
  ProfileSection() = default;
  explicit ProfileSection(const std::vector<std::string>& lines);

  // The value of a key, perhaps empty; nothing when no line names it.
  std::optional<std::string> Find(std::string_view key) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

}  // namespace nolb
