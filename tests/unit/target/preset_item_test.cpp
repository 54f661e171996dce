#include "target/preset_item.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace nolb {
namespace {

using namespace std::string_literals;

TEST(ReadPresetItem, TwoNumbersWithBlanksAndSigns) {
  EXPECT_EQ(ReadPresetItem("320, 240"), (PresetPair{320, 240}));
  EXPECT_EQ(ReadPresetItem("0,0"), (PresetPair{0, 0}));
  EXPECT_EQ(ReadPresetItem("  -1920,    +35"), (PresetPair{-1920, 35}));
  EXPECT_EQ(ReadPresetItem("\t5,\t 6"), (PresetPair{5, 6}));
  EXPECT_EQ(ReadPresetItem("007, -0"), (PresetPair{7, 0}));
  EXPECT_EQ(ReadPresetItem("-2147483648, 2147483647"), (PresetPair{INT32_MIN, INT32_MAX}));
}

TEST(ReadPresetItem, TextAfterTheSecondNumberIsIgnored) {
  EXPECT_EQ(ReadPresetItem("640, 480 (VGA)"), (PresetPair{640, 480}));
  EXPECT_EQ(ReadPresetItem("1, 2, 3"), (PresetPair{1, 2}));
  EXPECT_EQ(ReadPresetItem("1, 0x10"), (PresetPair{1, 0}));
  EXPECT_EQ(ReadPresetItem("1, 2\0garbage"s), (PresetPair{1, 2}));
}

TEST(ReadPresetItem, ItemsWithoutTheFormAreUnreadable) {
  for (std::string_view item : {"", "   ", "320", "320,", "320, ", "320 240", "320 , 240", "320;240",
                                ",240", "a, 1", "1, b", "+, 1", "1, -", "- 1, 2", "0x10, 2",
                                "１, ２"}) {
    EXPECT_EQ(ReadPresetItem(item), std::nullopt) << item;
  }
}

TEST(ReadPresetItem, ANumberOutsideThirtyTwoBitsMakesTheItemUnreadable) {
  EXPECT_EQ(ReadPresetItem("2147483648, 0"), std::nullopt);
  EXPECT_EQ(ReadPresetItem("0, -2147483649"), std::nullopt);
  EXPECT_EQ(ReadPresetItem("0, 99999999999999999999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadPresetItem("0, 00000000000000000000000000000000000000001"), (PresetPair{0, 1}));
}

TEST(ReadPresetItem, LongItemsAreReadInFull) {
  // Numbers far from the start are still found, and junk of any length after them is ignored.
  EXPECT_EQ(ReadPresetItem(std::string(10000, ' ') + "12, 34"), (PresetPair{12, 34}));
  EXPECT_EQ(ReadPresetItem("12," + std::string(9990, ' ') + "34"), (PresetPair{12, 34}));
  EXPECT_EQ(ReadPresetItem("12, 34" + std::string(10000, '\xff')), (PresetPair{12, 34}));
  EXPECT_EQ(ReadPresetItem(std::string(10000, '9')), std::nullopt);
  EXPECT_EQ(ReadPresetItem(std::string(10000, '\0')), std::nullopt);
}

TEST(PresetItemText, TheFormThatReadsBack) {
  EXPECT_EQ(PresetItemText(320, 240), "320, 240");
  EXPECT_EQ(PresetItemText(-5, 0), "-5, 0");
  EXPECT_EQ(ReadPresetItem(PresetItemText(INT32_MIN, INT32_MAX)), (PresetPair{INT32_MIN, INT32_MAX}));
}

TEST(PresetItemFromEdits, ConvertsTheSecondEditFirst) {
  EXPECT_EQ(PresetItemFromEdits(" 10", "0x14"), "10, 20");
  for (const auto& [first, second, failing] :
       {std::tuple{"a", "b", "b"}, std::tuple{"a", "5", "a"}, std::tuple{"5", "", ""}}) {
    try {
      PresetItemFromEdits(first, second);
      ADD_FAILURE() << "no error raised for " << first << ", " << second;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(failing) + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace nolb
