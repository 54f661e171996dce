#include "hotkey/key_repeats.h"

#include <gtest/gtest.h>

#include <string>

namespace nolb {
namespace {

using Keys = std::vector<std::uint32_t>;
constexpr std::uint32_t kF9 = 0x78;
constexpr std::uint32_t kF1 = 0x70;
constexpr std::uint32_t kOem1 = 0xBA;  // a key code of 0x80 and above

// A script of one key's life: "P" a message that must be a press, "R" one
// that must be a repeat, "d" a look that sees the key down, "u" one that
// sees it up.
void Play(KeyRepeats& repeats, std::uint32_t key, const std::string& script) {
  for (size_t i = 0; i < script.size(); ++i) {
    SCOPED_TRACE(script.substr(0, i + 1));
    switch (script[i]) {
      case 'P': EXPECT_TRUE(repeats.IsPress(key)); break;
      case 'R': EXPECT_FALSE(repeats.IsPress(key)); break;
      case 'd': repeats.Looked(key, true); break;
      case 'u': repeats.Looked(key, false); break;
    }
  }
}

TEST(KeyRepeats, AMessageIsARepeatOnlyWhenALookSinceTheLastOneSawTheKeyDown) {
  const struct {
    const char* what;
    const char* script;
  } cases[] = {
      // The program was busy: no look came between two real presses.
      {"two messages with no look between are two presses", "PP"},
      {"a look that saw the key up ends the watch", "PuP"},
      // A held key under a system that repeats: each repeat follows a look.
      {"a held key's messages after a look saw it down are repeats", "PdRdRddRuP"},
      {"a repeat needs a look of its own", "PdRP"},
      // Nothing is kept beyond a release: a quick press later still acts.
      {"after a held key, quick presses act", "PdRdRuPPdRuP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KeyRepeats repeats;
    Play(repeats, kF9, c.script);
  }
}

TEST(KeyRepeats, KeysAreWatchedFromTheirMessageUntilALookSeesThemUp) {
  KeyRepeats repeats;
  repeats.Looked(kF1, true);
  EXPECT_EQ(repeats.Watched(), Keys{}) << "a key never pressed is not looked at";
  EXPECT_TRUE(repeats.IsPress(kF9));
  EXPECT_TRUE(repeats.IsPress(kOem1));
  EXPECT_EQ(repeats.Watched(), (Keys{kF9, kOem1}));
  // Each key is its own: kOem1 is 0x80 above a key of its own.
  repeats.Looked(kOem1, true);
  repeats.Looked(kOem1 - 0x80, true);
  EXPECT_TRUE(repeats.IsPress(kF9));
  EXPECT_FALSE(repeats.IsPress(kOem1));
  repeats.Looked(kF9, false);
  EXPECT_EQ(repeats.Watched(), Keys{kOem1});
  repeats.Looked(kOem1, false);
  EXPECT_EQ(repeats.Watched(), Keys{});
}

// Only a system that took the no-repeat flag and honours it is trusted:
// Windows 7 and later. Wine takes the flag and reports the Windows it
// imitates; Vista does not know the flag.
TEST(KeyRepeats, HeldHotkeysMayRepeatUnlessWindowsTookTheNoRepeatFlag) {
  EXPECT_FALSE(HeldHotkeysMayRepeat({.noRepeatTaken = true, .windows7OrLater = true, .wine = false}));
  EXPECT_TRUE(HeldHotkeysMayRepeat({.noRepeatTaken = true, .windows7OrLater = true, .wine = true}));
  EXPECT_TRUE(HeldHotkeysMayRepeat({.noRepeatTaken = true, .windows7OrLater = false, .wine = false}));
  EXPECT_TRUE(HeldHotkeysMayRepeat({.noRepeatTaken = false, .windows7OrLater = true, .wine = false}));
}

}  // namespace
}  // namespace nolb
