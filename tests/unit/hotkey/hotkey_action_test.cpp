#include "hotkey/hotkey_action.h"

#include <gtest/gtest.h>

#include <vector>

#include "hotkey/press_filter.h"

namespace nolb {
namespace {

using Kind = HotkeyActionKind;

std::vector<std::optional<int>> EntriesChosen(int count) {
  std::vector<std::optional<int>> chosen;
  for (int key = 0; key < 4; ++key) chosen.push_back(PresetEntryIndex(key, count));
  return chosen;
}

TEST(PresetEntryIndex, FirstTwoKeysTakeTheFirstEntriesLastTwoTheLastEntries) {
  using V = std::vector<std::optional<int>>;
  EXPECT_EQ(EntriesChosen(5), (V{0, 1, 3, 4}));
  EXPECT_EQ(EntriesChosen(3), (V{0, 1, 1, 2}));
  EXPECT_EQ(EntriesChosen(2), (V{0, 1, 0, 1}));
  EXPECT_EQ(EntriesChosen(1), (V{0, std::nullopt, std::nullopt, 0}));
  EXPECT_EQ(EntriesChosen(0), (V{std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
}

class Dispatch : public ::testing::Test {
 protected:
  Dispatch() {
    ids.autoMouse = 0x78;
    ids.windowGrab = 0x79;
    ids.setPos = 0x278;
    ids.setRange = 0x279;
    ids.selPos = {0x70, 0x71, 0x72, 0x73};
    ids.selSize = {0x74, 0x75, 0x76, 0x77};
    context.positionPresetCount = 5;
    context.sizePresetCount = 4;
  }
  HotkeyAction Decide(std::int32_t id) const { return DecideHotkeyAction(id, ids, context); }
  void FollowWindowSize() {
    context.autoWindowChecked = true;
    context.autoMouseEnabled = false;
    context.targetGroupEnabled = false;
  }

  HotkeySlotIds ids;
  HotkeyContext context;
};

TEST_F(Dispatch, FollowingTheWindowSizeLeavesOnlyTheWindowGrab) {
  FollowWindowSize();
  EXPECT_EQ(Decide(0x78), HotkeyAction{});
  EXPECT_EQ(Decide(0x79), HotkeyAction{Kind::kGrabWindow});
  EXPECT_EQ(Decide(0x278), HotkeyAction{});
  EXPECT_EQ(Decide(0x71), HotkeyAction{});
  EXPECT_EQ(Decide(0x75), HotkeyAction{});
}

TEST_F(Dispatch, AKeyWhosePresetDoesNotExistDoesNothingAndFreeSlotsMatchNothing) {
  context.positionPresetCount = 1;
  EXPECT_EQ(Decide(0x71), HotkeyAction{});
  EXPECT_EQ(Decide(0x73), (HotkeyAction{Kind::kPositionPreset, 0}));
  HotkeySlotIds free;
  EXPECT_EQ(DecideHotkeyAction(0, free, context), HotkeyAction{});
}

TEST(PressFilter, HoldingActsOnceAndEveryNewPressActs) {
  constexpr std::uint32_t kF9 = 0x78;
  PressFilter filter;
  filter.KeyDown(kF9);
  EXPECT_TRUE(filter.IsNewPress(kF9));
  for (int repeat = 0; repeat < 3; ++repeat) {
    filter.KeyDown(kF9);
    EXPECT_FALSE(filter.IsNewPress(kF9));
  }
  filter.KeyUp(kF9);
  // Two quick presses seen before either message is handled: both act.
  filter.KeyDown(kF9);
  filter.KeyUp(kF9);
  filter.KeyDown(kF9);
  EXPECT_TRUE(filter.IsNewPress(kF9));
  EXPECT_TRUE(filter.IsNewPress(kF9));
  filter.KeyDown(kF9);
  EXPECT_FALSE(filter.IsNewPress(kF9));
}

TEST(PressFilter, AWatchStartedOnAHeldKeyTakesItsDownEventsAsRepeats) {
  PressFilter filter;
  EXPECT_TRUE(filter.IsNewPress(0x78));  // no watch yet: every message acts
  filter.Held(0x78);
  filter.KeyDown(0x78);
  EXPECT_FALSE(filter.IsNewPress(0x78));
  filter.KeyUp(0x78);
  EXPECT_TRUE(filter.IsNewPress(0x78));  // the watch ended with the release
}

// A release the watch never saw (it ended on another key's release, or the
// system dropped it) leaves no key taken for held: the next press acts,
// also when a later watch sees it go down.
TEST(PressFilter, AKeyReleasedWhileNoWatchRanActsAtItsNextPress) {
  constexpr std::uint32_t kF1 = 0x70, kF2 = 0x71, kF3 = 0x72;
  PressFilter filter;
  EXPECT_TRUE(filter.IsNewPress(kF1));  // F1 down acts; the watch starts
  filter.Held(kF1);
  filter.KeyDown(kF2);
  EXPECT_TRUE(filter.IsNewPress(kF2));  // F2 down acts
  filter.Held(kF2);
  filter.KeyUp(kF2);
  filter.WatchEnded();  // F1 goes up unseen
  EXPECT_TRUE(filter.IsNewPress(kF1)) << "F1 down again, no watch running";
  filter.Held(kF1);
  filter.KeyUp(kF1);
  EXPECT_FALSE(filter.Watching()) << "the last key taken for held is up";
  filter.WatchEnded();

  EXPECT_TRUE(filter.IsNewPress(kF1));  // F1 down acts, F3 down acts
  filter.Held(kF1);
  filter.KeyDown(kF3);
  EXPECT_TRUE(filter.IsNewPress(kF3));
  filter.Held(kF3);
  filter.KeyUp(kF3);
  EXPECT_TRUE(filter.Watching()) << "F1 is still down";
  filter.WatchEnded();  // the system drops the watch; F1 goes up unseen
  EXPECT_TRUE(filter.IsNewPress(kF2));  // F2 down: a new watch, which then sees F1 go down
  filter.Held(kF2);
  filter.KeyDown(kF1);
  EXPECT_TRUE(filter.IsNewPress(kF1)) << "F1 down again, seen by a later watch";
}

}  // namespace
}  // namespace nolb
