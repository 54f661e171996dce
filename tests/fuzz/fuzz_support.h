// What every fuzz target shares: a property that does not hold ends the run
// with a message that names it (libFuzzer then saves the input that broke
// it), and the input seen as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nolb::fuzz {

// Prints "property violated: <condition>" and the detail, then aborts.
[[noreturn]] void Violated(const char* condition, const std::string& detail);

// The detail is put together only when the condition fails.
#define FUZZ_REQUIRE(condition, detail)                                   \
  do {                                                                    \
    if (!(condition)) ::nolb::fuzz::Violated(#condition, (detail));       \
  } while (false)

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A text for a message: quoted, every byte outside printable ASCII as \xNN.
std::string Shown(std::string_view text);

// The message of the integer conversion's error for a text that is no
// number: the text as a window shows it (up to a NUL) in quotes.
std::string ConversionMessage(std::string_view text);

// The text cut at every separator: k separators give k + 1 pieces.
std::vector<std::string_view> Split(std::string_view text, char separator);

}  // namespace nolb::fuzz
