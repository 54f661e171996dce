#include "base/integer_text.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace nolb {
namespace {

TEST(ParseInteger, DecimalWithinSigned32BitRange) {
  EXPECT_EQ(ParseInteger("0"), 0);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInteger("+2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInteger("-0"), 0);
  EXPECT_EQ(ParseInteger("007"), 7);
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInteger("99999999999999999999999"), std::nullopt);
}

TEST(ParseInteger, HexadecimalOfAtMost32BitsAfterEveryPrefix) {
  EXPECT_EQ(ParseInteger("$10"), 16);
  EXPECT_EQ(ParseInteger("x1f"), 31);
  EXPECT_EQ(ParseInteger("X1F"), 31);
  EXPECT_EQ(ParseInteger("0x10"), 16);
  EXPECT_EQ(ParseInteger("0XaB"), 171);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("$80000000"), INT32_MIN);
  EXPECT_EQ(ParseInteger("0x000000000001"), 1);
  EXPECT_EQ(ParseInteger("-0x1"), -1);
  EXPECT_EQ(ParseInteger("0x100000000"), std::nullopt);
  EXPECT_EQ(ParseInteger("$"), std::nullopt);
  EXPECT_EQ(ParseInteger("0x"), std::nullopt);
  EXPECT_EQ(ParseInteger("$1G"), std::nullopt);
}

TEST(ParseInteger, LeadingBlanksAndSignOnlyNothingAfter) {
  EXPECT_EQ(ParseInteger(" 12"), 12);
  EXPECT_EQ(ParseInteger("   -5"), -5);
  EXPECT_EQ(ParseInteger("12 "), std::nullopt);
  EXPECT_EQ(ParseInteger("- 5"), std::nullopt);
  EXPECT_EQ(ParseInteger("+"), std::nullopt);
  EXPECT_EQ(ParseInteger("-"), std::nullopt);
  EXPECT_EQ(ParseInteger(""), std::nullopt);
  EXPECT_EQ(ParseInteger("   "), std::nullopt);
  EXPECT_EQ(ParseInteger("1.5"), std::nullopt);
  EXPECT_EQ(ParseInteger("abc"), std::nullopt);
  EXPECT_EQ(ParseInteger("+-1"), std::nullopt);
  EXPECT_EQ(ParseInteger(std::string_view("1\0", 2)), std::nullopt);
}

TEST(ToInteger, NoNumberRaisesTheConversionMessage) {
  EXPECT_EQ(ToInteger("-42"), -42);
  try {
    ToInteger("abc");
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'abc' は整数ではありません");
    EXPECT_EQ(ErrorReportText(e.what()), "'abc' は整数ではありません.");
  }
  EXPECT_THROW(ToInteger(""), Error);
}

// A message is a C string to whoever shows it: a NUL inside the quoted text
// would cut off the closing quote and the words after it.
TEST(ToInteger, TheMessageQuotesATextWithANulOnlyUpToTheNul) {
  try {
    ToInteger(std::string_view("12\0x4", 5));
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "'12' は整数ではありません");
  }
}

TEST(ErrorReportText, FullStopOnlyAfterACharacterSortingAfterIt) {
  EXPECT_EQ(ErrorReportText("abc"), "abc.");
  EXPECT_EQ(ErrorReportText("abc."), "abc.");
  EXPECT_EQ(ErrorReportText("abc!"), "abc!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorReportText("12"), "12.");
  EXPECT_EQ(ErrorReportText(""), "");
}

}  // namespace
}  // namespace nolb
