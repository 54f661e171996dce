#include "hotkey/hotkey_action.h"

#include <gtest/gtest.h>

#include <vector>

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
    ids.adjustRange = 0x7A;
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
  EXPECT_EQ(Decide(0x7A), HotkeyAction{});
  EXPECT_EQ(Decide(0x71), HotkeyAction{});
  EXPECT_EQ(Decide(0x75), HotkeyAction{});
}

TEST_F(Dispatch, AKeyWhosePresetDoesNotExistDoesNothingAndFreeSlotsMatchNothing) {
  EXPECT_EQ(Decide(0x7A), HotkeyAction{Kind::kAdjustRange});
  EXPECT_EQ(Decide(0x278), HotkeyAction{Kind::kSelectPosition});
  context.positionPresetCount = 1;
  EXPECT_EQ(Decide(0x71), HotkeyAction{});
  EXPECT_EQ(Decide(0x73), (HotkeyAction{Kind::kPositionPreset, 0}));
  HotkeySlotIds free;
  EXPECT_EQ(DecideHotkeyAction(0, free, context), HotkeyAction{});
}

}  // namespace
}  // namespace nolb
