// Integer conversion of texts that must be numbers (edits, dialog fields,
// settings values), and the plain decimal form numbers are written back in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nolb {

// The whole text as one integer: leading blanks, an optional sign, then
// decimal digits within the signed 32-bit range, or at most 32 bits of
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow;
// empty text is no number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// As ParseInteger, but a text that is no number raises Error with the
// message "'text' は整数ではありません" (text up to its first NUL, if any).
std::int32_t ToInteger(std::string_view text);

std::string IntegerText(std::int32_t value);

}  // namespace nolb
