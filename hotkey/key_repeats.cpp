#include "hotkey/key_repeats.h"

namespace nolb {

bool HeldHotkeysMayRepeat(const HotkeySystem& system) {
  return !(system.noRepeatTaken && system.windows7OrLater && !system.wine);
}

bool KeyRepeats::IsPress(std::uint32_t key) {
  Seen& seen = keys_[key & 0xFF];
  const bool repeat = seen == Seen::kDown;
  seen = Seen::kNotLookedAt;
  return !repeat;
}

void KeyRepeats::Looked(std::uint32_t key, bool down) {
  Seen& seen = keys_[key & 0xFF];
  if (seen == Seen::kNotWatched) return;
  seen = down ? Seen::kDown : Seen::kNotWatched;
}

std::vector<std::uint32_t> KeyRepeats::Watched() const {
  std::vector<std::uint32_t> keys;
  for (std::uint32_t key = 0; key < keys_.size(); ++key) {
    if (keys_[key] != Seen::kNotWatched) keys.push_back(key);
  }
  return keys;
}

}  // namespace nolb
