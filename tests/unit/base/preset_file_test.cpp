#include "base/preset_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/error.h"

namespace nolb {
namespace {

using Items = std::vector<std::string>;
using namespace std::string_literals;

TEST(PresetItemsFromBytes, EveryKindOfLineEndEndsALine) {
  EXPECT_EQ(PresetItemsFromBytes("0, 0\r\n10, 20\r\n"), (Items{"0, 0", "10, 20"}));
  EXPECT_EQ(PresetItemsFromBytes("a\rb\r"), (Items{"a", "b"}));
  EXPECT_EQ(PresetItemsFromBytes("a\nb\n"), (Items{"a", "b"}));
  EXPECT_EQ(PresetItemsFromBytes("a\r\nb\rc\nd"), (Items{"a", "b", "c", "d"}));
  // LF CR is two line ends, so it holds an empty line.
  EXPECT_EQ(PresetItemsFromBytes("a\n\rb"), (Items{"a", "", "b"}));
}

TEST(PresetItemsFromBytes, AFinalLineEndAddsNoItemAndEmptyLinesAreKept) {
  EXPECT_EQ(PresetItemsFromBytes(""), Items{});
  EXPECT_EQ(PresetItemsFromBytes("a\r\n"), Items{"a"});
  EXPECT_EQ(PresetItemsFromBytes("a"), Items{"a"});
  EXPECT_EQ(PresetItemsFromBytes("\r\n"), Items{""});
  EXPECT_EQ(PresetItemsFromBytes("\r"), Items{""});
  EXPECT_EQ(PresetItemsFromBytes("a\r\n\r\n"), (Items{"a", ""}));
  EXPECT_EQ(PresetItemsFromBytes("\n\nx"), (Items{"", "", "x"}));
}

TEST(PresetItemsFromBytes, LinesAreKeptByteForByte) {
  const std::string binary = "x\0y\xff\x81\x40 \t"s;  // NUL, a stray byte, a Shift-JIS blank
  const std::string longLine(100000, '7');
  const std::string bytes = "not a pair\r\n" + binary + "\r\n" + longLine + "\n  3 ,4  ";
  EXPECT_EQ(PresetItemsFromBytes(bytes), (Items{"not a pair", binary, longLine, "  3 ,4  "}));
}

TEST(PresetFileBytes, EveryItemEndsInCrLfAndTheBytesReadBackUnchanged) {
  EXPECT_EQ(PresetFileBytes({}), "");
  EXPECT_EQ(PresetFileBytes({"0, 0"}), "0, 0\r\n");
  EXPECT_EQ(PresetFileBytes({"320, 240", "", "x"}), "320, 240\r\n\r\nx\r\n");
  const Items items{"a\0b"s, std::string(5000, '\xfe'), "", " 1, 2 junk"};
  EXPECT_EQ(PresetItemsFromBytes(PresetFileBytes(items)), items);
}

class PresetFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(::testing::TempDir()) /
           ("nolb_preset_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path dir_;
};

TEST_F(PresetFileOnDisk, AMissingFileKeepsTheDesignedItemsAnEmptyOneGivesNone) {
  EXPECT_EQ(LoadPresetFile((dir_ / kPositionPresetFile).native()), std::nullopt);
  EXPECT_EQ(LoadPresetList((dir_ / kSizePresetFile).native(), DesignedSizePresets()), DesignedSizePresets());
  WriteBytes(dir_ / kSizePresetFile, "");
  EXPECT_EQ(LoadPresetList((dir_ / kSizePresetFile).native(), DesignedSizePresets()), Items{});
}

TEST_F(PresetFileOnDisk, SavingCreatesTheFileAnewAndLoadingGivesTheItemsBack) {
  const std::filesystem::path file = dir_ / kPositionPresetFile;
  WriteBytes(file, "old contents that are longer than the new ones\r\n");
  const Items items{"0, 0", "-1920, 0", "x\0y"s};
  SavePresetFile(file.native(), items);
  EXPECT_EQ(ReadBytes(file), "0, 0\r\n-1920, 0\r\nx\0y\r\n"s);
  EXPECT_EQ(LoadPresetFile(file.native()), items);
  SavePresetFile(file.native(), {});
  EXPECT_EQ(ReadBytes(file), "");
}

TEST_F(PresetFileOnDisk, AFileThatCannotBeCreatedRaisesTheMessageWithItsName) {
  const std::filesystem::path file = dir_ / "missing folder" / kSizePresetFile;
  try {
    SavePresetFile(file.native(), DesignedSizePresets());
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + file.string() + " を作成できません");
  }
}

}  // namespace
}  // namespace nolb
