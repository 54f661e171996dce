#include "target/preset_item.h"

#include "base/integer_text.h"

namespace nolb {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void SkipBlanks(std::string_view text, std::size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
}

// Reads blanks, an optional sign and at least one decimal digit from i on;
// i ends after the last digit. Nothing when there is no digit or the number
// does not fit in 32 bits.
std::optional<std::int32_t> ReadNumber(std::string_view text, std::size_t& i) {
  SkipBlanks(text, i);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  const std::size_t digitsStart = i;
  std::int64_t value = 0;
  bool tooLarge = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) {
      tooLarge = true;
      value = limit;  // keep reading the digits without overflowing
    }
  }
  if (i == digitsStart || tooLarge) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<PresetPair> ReadPresetItem(std::string_view item) {
  std::size_t i = 0;
  std::optional<std::int32_t> first = ReadNumber(item, i);
  if (!first || i >= item.size() || item[i] != ',') return std::nullopt;
  ++i;
  std::optional<std::int32_t> second = ReadNumber(item, i);
  if (!second) return std::nullopt;
  return PresetPair{*first, *second};
}

std::string PresetItemText(std::int32_t first, std::int32_t second) {
  return IntegerText(first) + ", " + IntegerText(second);
}

std::string PresetItemFromEdits(std::string_view firstEdit, std::string_view secondEdit) {
  const std::int32_t second = ToInteger(secondEdit);
  const std::int32_t first = ToInteger(firstEdit);
  return PresetItemText(first, second);
}

}  // namespace nolb
