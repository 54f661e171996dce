#include "base/native_path.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

TEST(Utf16ToUtf8, EncodesEveryRangeAndReplacesUnpairedSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"ListPos.txt"), "ListPos.txt");
  EXPECT_EQ(Utf16ToUtf8(u"é設定"), "é設定");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\U0001F600");  // a surrogate pair
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00), char16_t(0xD800)}), "\uFFFD\uFFFD");
}

TEST(ReplaceExtension, ReplacesOnlyTheLastComponentsExtension) {
  EXPECT_EQ(ReplaceExtension(NativeAscii("a.b/c"), ".ini"), NativeAscii("a.b/c.ini"));
  EXPECT_EQ(ReplaceExtension(NativeAscii("c.tar.gz"), ".ini"), NativeAscii("c.tar.ini"));
  EXPECT_EQ(ReplaceExtension(NativeAscii(""), ".ini"), NativeAscii(".ini"));
}

TEST(FileNameOf, IsTheLastComponent) {
  EXPECT_EQ(FileNameOf(NativeAscii("a.b/NOLBPanel.ini")), NativeAscii("NOLBPanel.ini"));
  EXPECT_EQ(FileNameOf(NativeAscii("ListPos.txt")), NativeAscii("ListPos.txt"));
  EXPECT_EQ(FileNameOf(NativeAscii("a/")), NativeAscii(""));
}

}  // namespace
}  // namespace nolb
