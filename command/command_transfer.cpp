#include "command/command_transfer.h"

#include "base/native_path.h"

namespace nolb {
namespace {

constexpr std::uint32_t kAnswerTag = 0x4E4C0000;  // "NL" in the upper half
constexpr std::uint32_t kTagMask = 0xFFFF0000;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool ValidUtf16(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

CommandArguments ArgumentsAsText(const std::vector<std::u16string>& arguments) {
  CommandArguments out;
  if (arguments.size() > kMaxCommandArguments) {
    out.error = {CommandReason::kTooManyArguments, -1};
    return out;
  }
  std::size_t units = 0;
  for (const std::u16string& argument : arguments) units += argument.size() + 1;
  if (units > kMaxCommandUnits) {
    out.error = {CommandReason::kTooLong, -1};
    return out;
  }
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!ValidUtf16(arguments[i])) {
      out.text.clear();
      out.error = {CommandReason::kBadText, static_cast<int>(i)};
      return out;
    }
    out.text.push_back(Utf16ToUtf8(arguments[i]));
  }
  return out;
}

std::u16string CommandPayload(const std::vector<std::u16string>& arguments) {
  std::u16string payload;
  for (const std::u16string& argument : arguments) {
    payload += argument;
    payload += u'\0';
  }
  return payload;
}

CommandArguments ArgumentsFromPayload(const std::uint8_t* data, std::size_t size) {
  CommandArguments out;
  if (size > kMaxCommandUnits * 2) {
    out.error = {CommandReason::kTooLong, -1};
    return out;
  }
  const std::size_t units = size / 2;
  auto unit = [data](std::size_t i) {
    return static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  };
  if (!data || size % 2 != 0 || units == 0 || unit(units - 1) != u'\0') {
    out.error = {CommandReason::kBadText, -1};
    return out;
  }
  std::vector<std::u16string> arguments(1);
  for (std::size_t i = 0; i + 1 < units; ++i) {
    if (unit(i) == u'\0') {
      arguments.emplace_back();
    } else {
      arguments.back() += unit(i);
    }
  }
  return ArgumentsAsText(arguments);
}

std::uint32_t AnswerValue(const CommandResult& result) {
  const auto reason = static_cast<std::uint32_t>(result.reason);
  const auto index = static_cast<std::uint32_t>(result.index + 1) & 0xFF;
  return kAnswerTag | reason << 8 | index;
}

CommandResult ResultFromAnswer(std::uint32_t value) {
  const std::uint32_t reason = (value >> 8) & 0xFF;
  const CommandResult notUnderstood{CommandReason::kNotUnderstood, -1};
  if ((value & kTagMask) != kAnswerTag || reason > static_cast<std::uint32_t>(CommandReason::kLast)) {
    return notUnderstood;
  }
  const CommandResult result{static_cast<CommandReason>(reason), static_cast<int>(value & 0xFF) - 1};
  // A panel answers for what it did; it cannot say that no panel answered.
  if (result.Status() == CommandStatus::kNoAnswer) return notUnderstood;
  return result;
}

}  // namespace nolb
