#include "base/integer_text.h"

#include "base/error.h"

namespace nolb {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The hexadecimal prefix at the start of text, or 0 when there is none.
std::size_t HexPrefixLength(std::string_view text) {
  if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) return 1;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return 2;
  return 0;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);
  if (std::size_t prefix = HexPrefixLength(rest)) {
    std::string_view digits = rest.substr(prefix);
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
      int d = HexDigit(c);
      if (d < 0 || value > 0x0FFFFFFFu) return std::nullopt;
      value = value << 4 | static_cast<std::uint32_t>(d);
    }
    if (negative) value = 0u - value;  // two's complement, as a 32-bit register would
    return static_cast<std::int32_t>(value);
  }
  if (rest.empty()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t value = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t ToInteger(std::string_view text) {
  if (auto value = ParseInteger(text)) return *value;
  // The message is shown as a C string: the quoted text stops at a NUL, so
  // that the rest of the message is not cut off with it.
  throw Error("'" + std::string(text.substr(0, text.find('\0'))) + "' は整数ではありません");
}

std::string IntegerText(std::int32_t value) { return std::to_string(value); }

}  // namespace nolb
