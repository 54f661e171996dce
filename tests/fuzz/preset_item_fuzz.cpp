// A preset item, read when the user picks it from a list (any line of a
// preset file), and the item an add button makes from two edits. The input
// is the item; cut at its first line end it is also the two edits.
//
// Properties:
// - ReadPresetItem agrees with the C library's strtol reading of "%d, %d":
//   blanks before each number, the comma right after the first, anything
//   after the second; a number outside 32 bits is no pair;
// - a pair read is written as "first, second" and reads back the same;
// - the add button's item holds the two edits' numbers, or the conversion
//   error of the second edit, else of the first, when one is no number.
#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/error.h"
#include "base/integer_text.h"
#include "target/preset_item.h"
#include "tests/fuzz/fuzz_support.h"

namespace nolb::fuzz {
namespace {

// One number as strtoll reads it in base 10, from p on; nothing when no
// digit was read or it does not fit in 32 bits.
std::optional<std::int32_t> ReadLong(const char*& p) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(p, &end, 10);
  const bool read = end != p && errno == 0 && value >= INT32_MIN && value <= INT32_MAX;
  p = end;
  if (!read) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// strtoll stops at the first NUL, which is no digit, blank or comma for
// ReadPresetItem either.
std::optional<PresetPair> Reference(const std::string& item) {
  const char* p = item.c_str();
  const std::optional<std::int32_t> first = ReadLong(p);
  if (!first || *p != ',') return std::nullopt;
  ++p;
  const std::optional<std::int32_t> second = ReadLong(p);
  if (!second) return std::nullopt;
  return PresetPair{*first, *second};
}

std::string Shown(std::optional<PresetPair> pair) {
  return pair ? PresetItemText(pair->first, pair->second) : "no pair";
}

void CheckItem(const std::string& item) {
  const std::optional<PresetPair> pair = ReadPresetItem(item);
  const std::optional<PresetPair> expected = Reference(item);
  FUZZ_REQUIRE(pair == expected, fuzz::Shown(item) + " read as " + Shown(pair) + ", expected " +
                                     Shown(expected));
  if (!pair) return;
  const std::string text = PresetItemText(pair->first, pair->second);
  FUZZ_REQUIRE(text == std::to_string(pair->first) + ", " + std::to_string(pair->second) &&
                   ReadPresetItem(text) == pair,
               Shown(pair) + " written as " + fuzz::Shown(text));
}

void CheckEdits(std::string_view firstEdit, std::string_view secondEdit) {
  const std::optional<std::int32_t> first = ParseInteger(firstEdit);
  const std::optional<std::int32_t> second = ParseInteger(secondEdit);
  try {
    const std::string item = PresetItemFromEdits(firstEdit, secondEdit);
    FUZZ_REQUIRE(first && second && ReadPresetItem(item) == (PresetPair{*first, *second}),
                 "the edits " + fuzz::Shown(firstEdit) + " and " + fuzz::Shown(secondEdit) +
                     " made the item " + fuzz::Shown(item));
  } catch (const Error& e) {
    const std::string_view rejected = !second ? secondEdit : firstEdit;
    FUZZ_REQUIRE(!(first && second) && e.what() == ConversionMessage(rejected),
                 "the edits " + fuzz::Shown(firstEdit) + " and " + fuzz::Shown(secondEdit) +
                     " raised " + fuzz::Shown(e.what()));
  }
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = nolb::fuzz::AsText(data, size);
  nolb::fuzz::CheckItem(std::string(input));
  const std::size_t cut = input.find('\n');
  if (cut != std::string_view::npos) {
    nolb::fuzz::CheckEdits(input.substr(0, cut), input.substr(cut + 1));
  }
  return 0;
}
