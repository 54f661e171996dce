#include "hotkey/key_repeats.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

using Keys = std::vector<std::uint32_t>;
constexpr std::uint32_t kF1 = 0x70;
constexpr std::uint32_t kF9 = 0x78;

// Windows: one message per press. Each acts, and no repeat is ever shown,
// whether the key was seen up between presses or other keys come between.
TEST(KeyRepeats, PressesSeenReleasedBetweenNeverShowRepeats) {
  KeyRepeats repeats;
  for (int press = 0; press < 3; ++press) {
    EXPECT_TRUE(repeats.IsPress(kF9));
    EXPECT_EQ(repeats.HeldKeys(), Keys{kF9});
    EXPECT_TRUE(repeats.IsPress(kF1)) << "another key held at the same time is a press of its own";
    repeats.Released(kF1);
    repeats.Released(kF9);
    EXPECT_EQ(repeats.HeldKeys(), Keys{});
  }
  EXPECT_FALSE(repeats.Shown());
}

// A system that repeats: the second message of a key not seen up is a
// repeat, which shows it; from then on nothing is held here any more and
// each message is left to the keyboard watch.
TEST(KeyRepeats, ASecondMessageBeforeTheReleaseIsARepeatThatShowsTheSystemRepeats) {
  KeyRepeats repeats;
  EXPECT_TRUE(repeats.IsPress(kF1));
  EXPECT_TRUE(repeats.IsPress(kF9));
  repeats.Released(kF1);
  EXPECT_FALSE(repeats.Shown());

  EXPECT_FALSE(repeats.IsPress(kF9));
  EXPECT_TRUE(repeats.Shown());
  EXPECT_EQ(repeats.HeldKeys(), Keys{});
  EXPECT_TRUE(repeats.IsPress(kF9));
  EXPECT_TRUE(repeats.IsPress(kF9));
  EXPECT_EQ(repeats.HeldKeys(), Keys{});
  EXPECT_TRUE(repeats.Shown());
}

}  // namespace
}  // namespace nolb
