#include "hotkey/hot_key.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/fake_hotkey_service.h"

namespace nolb {
namespace {

using KeyRunKeys = std::array<std::uint32_t, 4>;
constexpr WindowId kWindow = 0x1234;
constexpr std::uint32_t kF9 = 0x78;

std::uint32_t K(char c) { return static_cast<unsigned char>(c); }

TEST(SplitShortCut, ModifierBitsBecomeRegistrationFlagsAndTheIdentifierIsTheCombination) {
  EXPECT_EQ(SplitShortCut(0x70), (ShortCut{0x70, 0}));
  EXPECT_EQ(SplitShortCut(0x4070), (ShortCut{0x70, kModControl}));
  EXPECT_EQ(SplitShortCut(0x8000 | 0x4000 | 0x2000 | 0x1000 | 'Q'),
            (ShortCut{K('Q'), kModAlt | kModControl | kModShift | kModWin}));
  EXPECT_EQ(HotKeyId(kF9, 0), 0x0078);
  EXPECT_EQ(HotKeyId(kF9, kModControl | kModAlt), 0x0378);
}

TEST(KeyRun, GoesRightAlongTheRowsAndIntoTheNextRow) {
  EXPECT_EQ(KeyRun('1'), (KeyRunKeys{'1', '2', '3', '4'}));
  EXPECT_EQ(KeyRun('7'), (KeyRunKeys{'7', '8', '9', '0'}));
  EXPECT_EQ(KeyRun('9'), (KeyRunKeys{'9', '0', 'Q', 'W'}));
  EXPECT_EQ(KeyRun('P'), (KeyRunKeys{'P', 'A', 'S', 'D'}));
  EXPECT_EQ(KeyRun('V'), (KeyRunKeys{'V', 'B', 'N', 'M'}));
  EXPECT_EQ(KeyRun(0x70), (KeyRunKeys{0x70, 0x71, 0x72, 0x73}));  // F1
  EXPECT_EQ(KeyRun(kF9), (KeyRunKeys{0x78, 0x79, 0x7A, 0x7B}));
}

TEST(KeyRun, RefusesKeysWithoutThreeToTheirRight) {
  for (std::uint32_t key : {K('B'), K('N'), K('M'), 0x79u, 0x7Au, 0x7Bu,  // B N M F10-F12
                            0x61u, 0x25u, 0x20u, 0u}) {                  // keypad 1, left, space, none
    EXPECT_FALSE(KeyRun(key)) << key;
  }
}

TEST(CHotKey, RegistersUnderTheCombinationsIdentifierAndReleasesWhenDestroyed) {
  FakeHotKeyService service;
  {
    CHotKey slot(service);
    ASSERT_TRUE(slot.RegisterShortCut(kWindow, 0xC000 | kF9));  // Ctrl+Alt+F9
    EXPECT_TRUE(slot.IsRegistered());
    EXPECT_EQ(slot.Id(), 0x0378);
    EXPECT_TRUE(service.Holds(kModControl | kModAlt, kF9));
  }
  EXPECT_TRUE(service.byId.empty());
}

TEST(CHotKey, RefusesNoWindowNoKeyAndACombinationHeldByAnotherSlot) {
  FakeHotKeyService service;
  CHotKey first(service), second(service);
  EXPECT_FALSE(first.Register(0, kF9, 0));
  EXPECT_FALSE(first.RegisterShortCut(kWindow, 0x4000));  // Ctrl alone
  EXPECT_FALSE(first.IsRegistered());
  EXPECT_EQ(first.Id(), 0);

  ASSERT_TRUE(first.Register(kWindow, kF9, 0));
  EXPECT_FALSE(second.Register(kWindow, kF9, 0));
  EXPECT_FALSE(second.IsRegistered());
  EXPECT_TRUE(first.IsRegistered());
  EXPECT_TRUE(service.Holds(0, kF9));
}

TEST(CHotKey, RegisteringAgainReleasesTheOldCombinationEvenWhenTheNewOneFails) {
  FakeHotKeyService service;
  CHotKey slot(service);
  ASSERT_TRUE(slot.Register(kWindow, kF9, 0));
  ASSERT_TRUE(slot.Register(kWindow, kF9 + 1, 0));
  EXPECT_FALSE(service.Holds(0, kF9));
  EXPECT_TRUE(service.Holds(0, kF9 + 1));

  service.heldElsewhere.insert({0, K('A')});
  EXPECT_FALSE(slot.Register(kWindow, K('A'), 0));
  EXPECT_FALSE(slot.IsRegistered());
  EXPECT_TRUE(service.byId.empty());
  EXPECT_FALSE(slot.Unregister());  // already free
}

class KeyRunRegistration : public ::testing::Test {
 protected:
  std::array<CHotKey*, 4> Slots() { return {&s0, &s1, &s2, &s3}; }
  FakeHotKeyService service;
  CHotKey s0{service}, s1{service}, s2{service}, s3{service};
};

TEST_F(KeyRunRegistration, EveryKeyOfTheRunCarriesTheChosenKeysModifiers) {
  ASSERT_TRUE(RegisterKeyRun(Slots(), kWindow, 0x4000 | 'Q'));  // Ctrl+Q
  EXPECT_EQ(s0.Id(), HotKeyId('Q', kModControl));
  EXPECT_EQ(s1.Id(), HotKeyId('W', kModControl));
  EXPECT_EQ(s2.Id(), HotKeyId('E', kModControl));
  EXPECT_EQ(s3.Id(), HotKeyId('R', kModControl));
  EXPECT_EQ(service.byId.size(), 4u);
}

TEST_F(KeyRunRegistration, AKeyHeldElsewhereLeavesNoKeyOfTheGroupRegistered) {
  service.heldElsewhere.insert({0, 0x72});  // F3, the third key of F1's run
  EXPECT_FALSE(RegisterKeyRun(Slots(), kWindow, 0x70));
  for (CHotKey* slot : Slots()) EXPECT_FALSE(slot->IsRegistered());
  EXPECT_TRUE(service.byId.empty());
}

TEST_F(KeyRunRegistration, ARefusedKeyReleasesWhatTheGroupHeldBefore) {
  ASSERT_TRUE(RegisterKeyRun(Slots(), kWindow, '1'));
  EXPECT_FALSE(RegisterKeyRun(Slots(), kWindow, 'M'));
  EXPECT_TRUE(service.byId.empty());
}

}  // namespace
}  // namespace nolb
