#include "app/command_transfer.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

using namespace std::string_literals;
using R = CommandReason;

std::vector<std::uint8_t> Bytes(std::u16string_view units) {
  std::vector<std::uint8_t> bytes;
  for (char16_t u : units) {
    bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  return bytes;
}

CommandArguments FromPayload(const std::vector<std::uint8_t>& bytes) {
  return ArgumentsFromPayload(bytes.data(), bytes.size());
}

TEST(CommandPayload, ArgumentsTravelUnchanged) {
  const std::vector<std::u16string> arguments = {u"/window", u"メモ帳 😀", u"", u"/rect", u"1,2,3,4"};
  const CommandArguments back = FromPayload(Bytes(CommandPayload(arguments)));
  EXPECT_EQ(back.error, CommandResult{});
  EXPECT_EQ(back.text, (std::vector<std::string>{"/window", "メモ帳 😀", "", "/rect", "1,2,3,4"}));
}

TEST(CommandPayload, DataThatIsNoCommandIsRefused) {
  std::vector<std::uint8_t> odd = Bytes(u"/apply\0"s);
  odd.push_back(0);
  const std::vector<std::uint8_t> tooLong = Bytes(std::u16string(kMaxCommandUnits, u'a') + u'\0');
  struct Case {
    std::vector<std::uint8_t> bytes;
    CommandResult error;
  };
  const Case cases[] = {
      {{}, {R::kBadText, -1}},
      {odd, {R::kBadText, -1}},
      {Bytes(u"/apply"), {R::kBadText, -1}},               // no closing NUL
      {Bytes(u"/window\0\xD800x\0"s), {R::kBadText, 1}},  // a lone surrogate
      {Bytes(u"/window\0x\xDC00\0"s), {R::kBadText, 1}},
      {tooLong, {R::kTooLong, -1}},
      {Bytes(std::u16string(kMaxCommandArguments + 1, u'\0')), {R::kTooManyArguments, -1}},
  };
  for (const Case& c : cases) {
    const CommandArguments arguments = FromPayload(c.bytes);
    EXPECT_EQ(arguments.error, c.error) << c.bytes.size();
    EXPECT_TRUE(arguments.text.empty());
  }
  EXPECT_EQ(ArgumentsFromPayload(nullptr, 4).error.reason, R::kBadText);
}

TEST(ArgumentsAsText, TheLimitsHoldExactly) {
  // The command line's own arguments meet the same limits as a payload.
  std::vector<std::u16string> most(kMaxCommandArguments, u"/apply");
  EXPECT_EQ(ArgumentsAsText(most).error, CommandResult{});
  most.push_back(u"/apply");
  EXPECT_EQ(ArgumentsAsText(most).error.reason, R::kTooManyArguments);
  const std::u16string longest(kMaxCommandUnits - 1, u'x');
  EXPECT_EQ(ArgumentsAsText({longest}).error, CommandResult{});
  EXPECT_EQ(ArgumentsAsText({longest + u'x'}).error.reason, R::kTooLong);
  EXPECT_EQ(FromPayload(Bytes(CommandPayload({longest}))).error, CommandResult{});
}

TEST(CommandAnswer, ResultsSurviveTheAnswerAndForeignAnswersDoNot) {
  for (const CommandResult& result : {CommandResult{}, CommandResult{R::kBadRectangle, 0},
                                      CommandResult{R::kNoSuchWindow, 63}, CommandResult{R::kEditNotANumber, 3},
                                      CommandResult{R::kFailed, -1}}) {
    EXPECT_EQ(ResultFromAnswer(AnswerValue(result)), result);
  }
  // What a window that does not know the message answers, a reason that
  // does not exist, and a panel's claim that no panel answered.
  for (std::uint32_t value : {0u, 1u, 0x4E4D0000u, AnswerValue({R::kLast, 0}) + 0x100,
                              AnswerValue({R::kNoAnswer, -1})}) {
    EXPECT_EQ(ResultFromAnswer(value), (CommandResult{R::kNotUnderstood, -1})) << value;
  }
}

}  // namespace
}  // namespace nolb
