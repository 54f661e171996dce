#include "hotkey/key_repeats.h"

namespace nolb {

bool KeyRepeats::IsPress(std::uint32_t key) {
  bool& held = held_[key & 0xFF];
  if (held) {
    shown_ = true;
    held_ = {};
    return false;
  }
  held = !shown_;
  return true;
}

void KeyRepeats::Released(std::uint32_t key) { held_[key & 0xFF] = false; }

std::vector<std::uint32_t> KeyRepeats::HeldKeys() const {
  std::vector<std::uint32_t> keys;
  for (std::uint32_t key = 0; key < held_.size(); ++key) {
    if (held_[key]) keys.push_back(key);
  }
  return keys;
}

}  // namespace nolb
