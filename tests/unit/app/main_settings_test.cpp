#include "app/main_settings.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

const char* const kKeysInOrder[] = {
    "Top",       "Left",       "Width", "Height",     "X",               "Y",
    "sWidth",    "sHeight",    "FixAspect", "RotateType", "Zoom",        "ShowCursor",
    "ShowAlphaWindow", "BltMode", "ShowRange", "CentreCursor", "AlphaBlend", "AlphaBlendValue",
    "Reacquire", "RealtimeInterval", "SmoothFollow", "KeepOnScreen", "MinimiseToTray", "ExcludeFromCapture"};

TEST(ReadMainSettings, EmptyFileGivesTheDesignedState) {
  MemorySettingsStore store;
  MainSettings s = ReadMainSettings(store);
  EXPECT_EQ(s.top, 16);
  EXPECT_EQ(s.left, 16);
  EXPECT_EQ(s.width, 289);
  EXPECT_EQ(s.height, 487);
  EXPECT_EQ(s.x, 0);
  EXPECT_EQ(s.y, 0);
  EXPECT_EQ(s.captureWidth, 320);
  EXPECT_EQ(s.captureHeight, 240);
  EXPECT_TRUE(s.fixAspect);
  EXPECT_EQ(s.rotateType, 0);
  EXPECT_FALSE(s.zoom);
  EXPECT_TRUE(s.showCursor);
  EXPECT_FALSE(s.showAlphaWindow);
  EXPECT_EQ(s.bltMode, 0);
  EXPECT_FALSE(s.showRange);
  EXPECT_FALSE(s.centreCursor);
  EXPECT_FALSE(s.alphaBlend);
  EXPECT_EQ(s.alphaBlendValue, 255);
  EXPECT_EQ(s, MainSettings{});
}

TEST(ReadMainSettings, MissingKeysTakeTheGivenDefaultsSuchAsTheWindowsInitialSize) {
  MemorySettingsStore store;
  store.Set("Main", "Width", "300");
  store.Set("Main", "Height", "abc");
  MainSettings defaults;
  defaults.width = 297;
  defaults.height = 500;
  MainSettings s = ReadMainSettings(store, defaults);
  EXPECT_EQ(s.width, 300);
  EXPECT_EQ(s.height, 500);
  EXPECT_EQ(s.top, 16);
}

TEST(ReadMainSettings, ValuesGoThroughTheIntegerConversion) {
  MemorySettingsStore store;
  store.Set("Main", "Top", "abc");        // no number: default
  store.Set("Main", "Left", "0x10");      // hexadecimal
  store.Set("Main", "X", " -40");         // leading blank and sign
  store.Set("Main", "Y", "12 ");          // trailing text: default
  store.Set("Main", "sWidth", "");        // empty: default
  store.Set("Main", "sHeight", "$1E0");
  store.Set("Main", "Width", "99999999999");  // outside 32 bits: default
  store.Set("Other", "Height", "600");    // another section does not count
  MainSettings s = ReadMainSettings(store);
  EXPECT_EQ(s.top, 16);
  EXPECT_EQ(s.left, 16);
  EXPECT_EQ(s.x, -40);
  EXPECT_EQ(s.y, 0);
  EXPECT_EQ(s.captureWidth, 320);
  EXPECT_EQ(s.captureHeight, 480);
  EXPECT_EQ(s.width, 289);
  EXPECT_EQ(s.height, 487);
}

TEST(ReadMainSettings, FlagsAreSetWhenNonZeroAndKeepTheirDefaultWhenNoNumber) {
  MemorySettingsStore store;
  store.Set("Main", "FixAspect", "0");
  store.Set("Main", "Zoom", "-7");
  store.Set("Main", "ShowCursor", "yes");
  store.Set("Main", "ShowAlphaWindow", "2");
  store.Set("Main", "ShowRange", "1");
  store.Set("Main", "CentreCursor", "0x0");
  store.Set("Main", "AlphaBlend", "true");
  MainSettings s = ReadMainSettings(store);
  EXPECT_FALSE(s.fixAspect);
  EXPECT_TRUE(s.zoom);
  EXPECT_TRUE(s.showCursor);
  EXPECT_TRUE(s.showAlphaWindow);
  EXPECT_TRUE(s.showRange);
  EXPECT_FALSE(s.centreCursor);
  EXPECT_FALSE(s.alphaBlend);
}

TEST(ReadMainSettings, OpacityKeepsOnlyTheLowEightBits) {
  const std::pair<const char*, int> cases[] = {
      {"300", 44}, {"-1", 255}, {"256", 0}, {"0", 0}, {"128", 128}, {"$FFFFFFFF", 255}};
  for (const auto& [text, opacity] : cases) {
    MemorySettingsStore store;
    store.Set("Main", "AlphaBlendValue", text);
    EXPECT_EQ(ReadMainSettings(store).alphaBlendValue, opacity) << text;
  }
}

TEST(ReadMainSettings, RotationOutsideTheListFallsBackToNoRotation) {
  for (const char* text : {"7", "-1", "4", "2147483647"}) {
    MemorySettingsStore store;
    store.Set("Main", "RotateType", text);
    EXPECT_EQ(ReadMainSettings(store).rotateType, 0) << text;
  }
  MemorySettingsStore store;
  store.Set("Main", "RotateType", "3");
  EXPECT_EQ(ReadMainSettings(store).rotateType, 3);
}

// Without the keys the mouse is followed every 33 ms, at once, free to leave
// the screen; a period outside 10-100 ms gives 33.
TEST(ReadMainSettings, FollowingKeysMissingOrARealtimeIntervalOutsideTenToAHundred) {
  const std::pair<const char*, int> cases[] = {{nullptr, 33}, {"10", 10}, {"100", 100}, {"9", 33}, {"101", 33}, {"x", 33}};
  for (const auto& [text, period] : cases) {
    MemorySettingsStore store;
    if (text) store.Set("Main", "RealtimeInterval", text);
    const MainSettings s = ReadMainSettings(store);
    EXPECT_EQ(std::vector({s.realtimeInterval, int{s.smoothFollow}, int{s.keepOnScreen}}), std::vector({period, 0, 0}))
        << (text ? text : "missing");
  }
}

TEST(ReadMainSettings, ShrinkModeOutsideTheListSelectsNoItem) {
  MemorySettingsStore store;
  store.Set("Main", "BltMode", "5");
  MainSettings s = ReadMainSettings(store);
  EXPECT_EQ(s.bltMode, 5);
  EXPECT_EQ(BltModeListIndex(s.bltMode), -1);
  EXPECT_EQ(BltModeListIndex(-1), -1);
  EXPECT_EQ(BltModeListIndex(0), 0);
  EXPECT_EQ(BltModeListIndex(1), 1);
}

TEST(WriteMainSettings, WritesAllKeysInOrderAsDecimalIntegers) {
  MemorySettingsStore store;
  MainSettings s;
  s.top = -5;
  s.captureWidth = 640;
  s.fixAspect = false;
  s.rotateType = 2;
  s.zoom = true;
  s.bltMode = 1;
  s.alphaBlendValue = 44;
  s.reacquire = true;
  s.realtimeInterval = 16;
  s.keepOnScreen = true;
  s.excludeFromCapture = true;
  WriteMainSettings(store, s);
  ASSERT_EQ(store.writes.size(), std::size(kKeysInOrder));
  for (std::size_t i = 0; i < store.writes.size(); ++i) {
    EXPECT_EQ(store.writes[i].section, "Main");
    EXPECT_EQ(store.writes[i].key, kKeysInOrder[i]);
  }
  const std::string expected[] = {"-5", "16", "289", "487", "0", "0", "640", "240", "0",
                                  "2",  "1",  "1",   "0",   "1", "0", "0",   "0",   "44", "1",
                                  "16", "0", "1", "0", "1"};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(store.writes[i].value, expected[i]) << kKeysInOrder[i];
  }
}

TEST(WriteMainSettings, WrittenSettingsReadBackUnchanged) {
  MemorySettingsStore store;
  MainSettings s;
  s.left = 2000;
  s.height = 900;
  s.x = -1920;
  s.y = INT32_MIN;
  s.captureHeight = INT32_MAX;
  s.showCursor = false;
  s.showAlphaWindow = true;
  s.rotateType = 3;
  s.showRange = true;
  s.centreCursor = true;
  s.alphaBlend = true;
  s.alphaBlendValue = 0;
  s.reacquire = true;
  s.realtimeInterval = 100;
  s.smoothFollow = true;
  s.keepOnScreen = true;
  s.minimiseToTray = true;
  WriteMainSettings(store, s);
  EXPECT_EQ(ReadMainSettings(store), s);
}

TEST(WriteMainSettings, AFileThatCannotBeWrittenRaisesTheMessageWithItsPath) {
  MemorySettingsStore store;
  store.failWrites = true;
  store.path = "D:\\工具\\NOLBPanel.ini";
  try {
    WriteMainSettings(store, MainSettings{});
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "D:\\工具\\NOLBPanel.ini に書き込めません");
  }
  EXPECT_TRUE(store.writes.empty());
}

TEST(RestoredWindowHeight, ASmallerHeightIsRaisedToTheDesignedOne) {
  EXPECT_EQ(RestoredWindowHeight(100), 487);
  EXPECT_EQ(RestoredWindowHeight(-3), 487);
  EXPECT_EQ(RestoredWindowHeight(487), 487);
  EXPECT_EQ(RestoredWindowHeight(700), 700);
  EXPECT_EQ(RestoredWindowHeight(300, 200), 300);
}

TEST(RestoreCaptureSettings, FillsTheRectangleAndModesButNotTargetOrShrinking) {
  MainSettings s;
  s.x = 1;
  s.y = 2;
  s.captureWidth = 3;
  s.captureHeight = 4;
  s.fixAspect = false;
  s.rotateType = 1;
  s.zoom = true;
  s.showCursor = false;
  s.showAlphaWindow = true;
  s.bltMode = 0;
  CaptureSettings record;
  record.target = 77;
  RestoreCaptureSettings(s, record);
  EXPECT_EQ(record.target, 77u);
  EXPECT_EQ(record.x, 1);
  EXPECT_EQ(record.y, 2);
  EXPECT_EQ(record.width, 3);
  EXPECT_EQ(record.height, 4);
  EXPECT_FALSE(record.fixAspect);
  EXPECT_EQ(record.rotateType, 1);
  EXPECT_TRUE(record.zoom);
  EXPECT_FALSE(record.showCursor);
  EXPECT_TRUE(record.showAlphaWindow);
  EXPECT_EQ(record.useDirectDraw, 0);  // set by the first Apply
}

TEST(SettingsFilePath, TheExecutablesPathWithTheIniExtension) {
  EXPECT_EQ(SettingsFilePath("dir/NOLBPanel.exe"), "dir/NOLBPanel.ini");
  EXPECT_EQ(SettingsFilePath("dir.v2/panel"), "dir.v2/panel.ini");
  EXPECT_EQ(SettingsFilePath("a/b.c.exe"), "a/b.c.ini");
  EXPECT_EQ(SettingsFilePath("dir/.panel"), "dir/.panel.ini");
}

}  // namespace
}  // namespace nolb
