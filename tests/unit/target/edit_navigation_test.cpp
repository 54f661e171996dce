#include "target/edit_navigation.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

TEST(WithoutLastCharacter, RemovesOneWholeCharacter) {
  EXPECT_EQ(WithoutLastCharacter("123."), "123");
  EXPECT_EQ(WithoutLastCharacter("1.23"), "1.2");  // the last character, not the typed "."
  EXPECT_EQ(WithoutLastCharacter("."), "");
  EXPECT_EQ(WithoutLastCharacter(""), "");
  EXPECT_EQ(WithoutLastCharacter("12あ"), "12");
  EXPECT_EQ(WithoutLastCharacter("あ"), "");
  EXPECT_EQ(WithoutLastCharacter("1😀"), "1");
}

}  // namespace
}  // namespace nolb
