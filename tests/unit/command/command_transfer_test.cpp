#include "command/command_transfer.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

using namespace std::string_literals;
using R = CommandReason;

CommandArguments FromPayload(std::u16string_view units, std::size_t extraBytes = 0) {
  std::vector<std::uint8_t> bytes;
  for (char16_t u : units) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8)});
  bytes.resize(bytes.size() + extraBytes);
  return ArgumentsFromPayload(bytes.data(), bytes.size());
}

TEST(CommandPayload, ArgumentsTravelUnchangedAndDataThatIsNoCommandIsRefused) {
  const CommandArguments back = FromPayload(CommandPayload({u"/window", u"メモ帳 😀", u""}));
  EXPECT_EQ(back.text, (std::vector<std::string>{"/window", "メモ帳 😀", ""}));
  const std::u16string longest(kMaxCommandUnits - 1, u'x');
  EXPECT_EQ(FromPayload(longest + u'\0').error, CommandResult{});
  const std::pair<CommandArguments, CommandResult> refused[] = {
      {FromPayload(u""), {R::kBadText, -1}},
      {FromPayload(u"/apply\0"s, 1), {R::kBadText, -1}},  // half a unit
      {FromPayload(u"/apply"), {R::kBadText, -1}},        // no closing NUL
      {FromPayload(u"/window\0\xD800x\0"s), {R::kBadText, 1}},
      {FromPayload(u"/window\0x\xDC00\0"s), {R::kBadText, 1}},
      {FromPayload(longest + u"x\0"s), {R::kTooLong, -1}},
      {FromPayload(std::u16string(kMaxCommandArguments + 1, u'\0')), {R::kTooManyArguments, -1}},
  };
  for (const auto& [arguments, error] : refused) {
    EXPECT_EQ(arguments.error, error);
    EXPECT_TRUE(arguments.text.empty());
  }
  // The command line's own arguments meet the same limits.
  EXPECT_EQ(ArgumentsAsText(std::vector<std::u16string>(kMaxCommandArguments, u"/apply")).error, CommandResult{});
  EXPECT_EQ(ArgumentsAsText({longest + u'x'}).error.reason, R::kTooLong);
}

TEST(CommandAnswer, ResultsSurviveTheAnswerAndForeignAnswersDoNot) {
  for (const CommandResult& result : {CommandResult{}, CommandResult{R::kNoSuchWindow, 63},
                                      CommandResult{R::kEditNotANumber, 3}, CommandResult{R::kFailed, -1}}) {
    EXPECT_EQ(ResultFromAnswer(AnswerValue(result)), result);
  }
  // A window that does not know the message, a reason that does not
  // exist, and a panel's claim that no panel answered.
  for (std::uint32_t value : {0u, 1u, 0x4E4D0000u, AnswerValue({R::kLast, 0}) + 0x100, AnswerValue({R::kNoAnswer, -1})}) {
    EXPECT_EQ(ResultFromAnswer(value), (CommandResult{R::kNotUnderstood, -1})) << value;
  }
}

}  // namespace
}  // namespace nolb
