// The integer conversion of texts from outside (edits, dialog fields,
// settings values). The input is one text; cut at line ends it is also the
// four edits that Apply converts.
//
// Properties:
// - ParseInteger agrees with a reference conversion built on std::from_chars;
// - a number read is written back in plain decimal that reads back the same;
// - ToInteger returns the same number, or raises the conversion error whose
//   message quotes the text;
// - Apply stores each edit's number up to the first text that is no number;
//   that text and everything after it change nothing, and nothing is pushed.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/capture_settings.h"
#include "base/error.h"
#include "base/integer_text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fakes/recording_hook.h"

namespace nolb::fuzz {
namespace {

// Digits alone (no sign, no prefix) in the given base, all of them used.
std::optional<std::uint64_t> Digits(std::string_view digits, int base) {
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, value, base);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The conversion as the program's texts are defined: leading blanks, an
// optional sign, then decimal digits within the signed 32-bit range, or at
// most 32 bits of hexadecimal digits after "$", "x", "X", "0x" or "0X".
std::optional<std::int32_t> Reference(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  for (std::string_view prefix : {"$", "x", "X", "0x", "0X"}) {
    if (!text.starts_with(prefix)) continue;
    // std::from_chars takes no sign, so "$-1" stays no number.
    std::optional<std::uint64_t> value = Digits(text.substr(prefix.size()), 16);
    if (!value || *value > 0xFFFFFFFFu) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(*value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  std::optional<std::uint64_t> value = Digits(text, 10);
  if (!value || *value > (negative ? 0x80000000u : 0x7FFFFFFFu)) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                            : static_cast<std::int64_t>(*value));
}

std::string Number(std::optional<std::int32_t> value) {
  return value ? IntegerText(*value) : "no number";
}

void CheckConversion(std::string_view text) {
  const std::optional<std::int32_t> value = ParseInteger(text);
  const std::optional<std::int32_t> expected = Reference(text);
  FUZZ_REQUIRE(value == expected, Shown(text) + " read as " + Number(value) + ", expected " +
                                      Number(expected));
  try {
    const std::int32_t converted = ToInteger(text);
    FUZZ_REQUIRE(value && converted == *value,
                 "ToInteger(" + Shown(text) + ") gave " + IntegerText(converted));
  } catch (const Error& e) {
    FUZZ_REQUIRE(!value, "ToInteger(" + Shown(text) + ") raised " + Shown(e.what()));
    FUZZ_REQUIRE(e.what() == ConversionMessage(text),
                 "the conversion error of " + Shown(text) + " reads " + Shown(e.what()));
  }
  if (!value) return;
  const std::string written = IntegerText(*value);
  FUZZ_REQUIRE(ParseInteger(written) == value && written == std::to_string(*value),
               Shown(text) + " written back as " + Shown(written));
}

// What the record holds before Apply.
constexpr CaptureSettings kBefore{.target = 7,
                                  .x = -101,
                                  .y = -102,
                                  .width = -103,
                                  .height = -104,
                                  .useDirectDraw = 0,
                                  .zoom = false,
                                  .showCursor = false,
                                  .showAlphaWindow = false,
                                  .fixAspect = false,
                                  .rotateType = 2};

void CheckApply(std::string_view input) {
  std::vector<std::string_view> pieces = Split(input, '\n');
  if (pieces.size() < 4) return;
  ApplyInput edits{.x = std::string(pieces[0]),
                   .y = std::string(pieces[1]),
                   .width = std::string(pieces[2]),
                   .height = std::string(pieces[3]),
                   .fixAspect = true,
                   .zoom = true,
                   .showCursor = true,
                   .showAlphaWindow = true,
                   .rotateIndex = 1,
                   .bltModeIndex = 0};
  CaptureState state;
  state.Update([](CaptureSettings& s, DesktopRect&) { s = kBefore; });
  RecordingHook hook;
  std::optional<std::string> raised;
  try {
    Apply(state, edits, /*desktop=*/7, hook);
  } catch (const Error& e) {
    raised = e.what();
  }
  const CaptureSettings after = state.Settings();
  const std::int32_t CaptureSettings::*fields[] = {&CaptureSettings::x, &CaptureSettings::y,
                                                  &CaptureSettings::width,
                                                  &CaptureSettings::height};
  bool rejectedBefore = false;
  for (int i = 0; i < 4; ++i) {
    std::optional<std::int32_t> value = ParseInteger(pieces[i]);
    if (!rejectedBefore && !value) {
      FUZZ_REQUIRE(raised == ConversionMessage(pieces[i]),
                   "the first edit that is no number, " + Shown(pieces[i]) + ", raised " +
                       (raised ? Shown(*raised) : "nothing"));
    }
    rejectedBefore = rejectedBefore || !value;
    const std::int32_t expected = rejectedBefore ? kBefore.*fields[i] : *value;
    FUZZ_REQUIRE(after.*fields[i] == expected,
                 "edit " + std::to_string(i) + " " + Shown(pieces[i]) + " left " +
                     IntegerText(after.*fields[i]) + ", expected " + IntegerText(expected));
  }
  if (rejectedBefore) {
    FUZZ_REQUIRE(hook.calls.empty() && after.rotateType == kBefore.rotateType &&
                     !after.fixAspect && state.Desktop().width == 0,
                 "a rejected edit still changed the modes or reached the library");
  } else {
    FUZZ_REQUIRE(!raised, "Apply of four numbers raised " + Shown(*raised));
    const HookTarget& t = hook.target;
    FUZZ_REQUIRE(t.window == 7 && t.x == after.x && t.y == after.y && t.width == after.width &&
                     t.height == after.height && hook.enabled,
                 "Apply pushed another rectangle than the record's");
  }
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = nolb::fuzz::AsText(data, size);
  nolb::fuzz::CheckConversion(input);
  nolb::fuzz::CheckApply(input);
  return 0;
}
