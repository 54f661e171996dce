// Tells a held hotkey's repeats from new presses, where the system may send
// one hotkey message per keyboard repeat.
//
// Windows honours the registration's no-repeat flag (from Windows 7 on) and
// sends one message per press: every message is a press there, and nothing
// is looked at. Wine accepts the flag and ignores it, and Windows Vista does
// not know it; the Windows version that Wine reports is the one it imitates,
// so Wine is told by its own mark in the system (HotkeySystem::wine).
//
// Where held keys may repeat, a key that has acted is looked at now and then
// until it is seen up. A message is a repeat only when a look made after the
// key's previous message saw the key still down. A message that no look has
// followed yet (the program was busy) is a press: a real second press is
// never taken for a repeat because nobody looked, and nothing is remembered
// beyond the key's next release.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace nolb {

// What the program knows of the system's hotkeys.
struct HotkeySystem {
  bool noRepeatTaken = false;   // the registrations carry the no-repeat flag
  bool windows7OrLater = false;  // the version the system reports
  bool wine = false;             // the system is Wine, whatever it reports
};

// Whether a held hotkey may come as several messages.
bool HeldHotkeysMayRepeat(const HotkeySystem& system);

class KeyRepeats {
 public:
  // A hotkey message for the key. True: a press, which acts; false: a
  // repeat of the press before. Either way the key is looked at from now
  // on until it is seen up.
  bool IsPress(std::uint32_t key);
  // A look at the key, made after its last message: down or up. A key seen
  // up is no longer looked at.
  void Looked(std::uint32_t key, bool down);
  // The keys to look at.
  std::vector<std::uint32_t> Watched() const;

 private:
  enum class Seen : std::uint8_t { kNotWatched, kNotLookedAt, kDown };
  std::array<Seen, 256> keys_{};
};

}  // namespace nolb
