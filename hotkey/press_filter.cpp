#include "hotkey/press_filter.h"

#include <algorithm>

namespace nolb {

void PressFilter::KeyDown(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  ++k.downs;
  if (!k.down) ++k.presses;
  k.down = true;
}

void PressFilter::KeyUp(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  k.down = false;
  k.held = false;
}

void PressFilter::Held(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  k.down = true;
  k.held = true;
  k.pressesTaken = k.presses;
  k.downsTaken = k.downs;
}

bool PressFilter::IsNewPress(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  const bool pressed = k.presses != k.pressesTaken;
  const bool unseen = k.downs == k.downsTaken;
  // Presses that brought no message (the key with other modifiers) are
  // taken along, so that they never make a later repeat count as a press.
  k.pressesTaken = k.presses;
  k.downsTaken = k.downs;
  return pressed || unseen;
}

void PressFilter::WatchEnded() { keys_ = {}; }

bool PressFilter::Watching() const {
  return std::any_of(keys_.begin(), keys_.end(), [](const Key& k) { return k.held; });
}

}  // namespace nolb
