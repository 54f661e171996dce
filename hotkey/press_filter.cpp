#include "hotkey/press_filter.h"

namespace nolb {

void PressFilter::KeyDown(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  ++k.downs;
  if (!k.down) ++k.presses;
  k.down = true;
}

void PressFilter::KeyUp(std::uint32_t key) { keys_[key & 0xFF].down = false; }

void PressFilter::Held(std::uint32_t key) {
  Key& k = keys_[key & 0xFF];
  k.down = true;
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

}  // namespace nolb
