// A preset item as the lists show it: two integers in the form "%d, %d",
// X and Y of a position or width and height of a size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nolb {

struct PresetPair {
  std::int32_t first = 0;
  std::int32_t second = 0;
  bool operator==(const PresetPair&) const = default;
};

// The two numbers of an item: blanks before each number are skipped, each
// is decimal with an optional sign, the comma follows the first number
// directly, any blanks may follow the comma, and text after the second
// number is ignored. Nothing when the item does not hold them or a number
// lies outside the signed 32-bit range. Any bytes and any length are read
// safely.
std::optional<PresetPair> ReadPresetItem(std::string_view item);

// The item for two numbers: "first, second".
std::string PresetItemText(std::int32_t first, std::int32_t second);

// The item that an add button appends, from the texts of its two edits (X
// and Y, or width and height). The second edit is converted first; the
// first text that is no integer raises its conversion Error.
std::string PresetItemFromEdits(std::string_view firstEdit, std::string_view secondEdit);

}  // namespace nolb
