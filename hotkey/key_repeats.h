// Whether the system repeats a held hotkey, as its hotkey messages show it.
// Windows honours the registration's no-repeat flag and sends one message
// per press; a system that ignores the flag sends one per keyboard repeat.
// Until the system has shown that it repeats, no watch over the keyboard
// runs: each message is a press that acts, and its key is looked at until
// it is seen going up. A message for a key that has acted and has not been
// seen going up since is a repeat, and shows that the system repeats: from
// then on the keyboard watch tells presses from repeats (PressFilter).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace nolb {

class KeyRepeats {
 public:
  // A hotkey message for the key while the system is not known to repeat.
  // True: a press, which acts; the key counts as held until Released.
  // False: a repeat of a held key; from now on Shown() holds, and every
  // message counts as a press here (the keyboard watch decides).
  bool IsPress(std::uint32_t key);
  // The key has been seen up.
  void Released(std::uint32_t key);
  // The system has shown that it repeats held hotkeys.
  bool Shown() const { return shown_; }
  // The keys that have acted and have not been seen up since, while the
  // system is not known to repeat; none once it is.
  std::vector<std::uint32_t> HeldKeys() const;

 private:
  std::array<bool, 256> held_{};
  bool shown_ = false;
};

}  // namespace nolb
