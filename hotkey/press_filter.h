// Tells a new press of a hotkey from the keyboard's repeats while it is held
// down, so that holding a key acts once. The system may send one hotkey
// message per repeat; the shell reports whether the key is down when each
// message is handled and when it sees the held key released.
#pragma once

#include <cstdint>

namespace nolb {

class PressFilter {
 public:
  // A hotkey message for the identifier; keyDown: its key is down now.
  // True for a new press: not the identifier of the press still held.
  bool IsNewPress(std::int32_t id, std::uint32_t key, bool keyDown);
  // The key of the held press, or 0 when none is held.
  std::uint32_t HeldKey() const { return heldKey_; }
  // The held key was seen up: the next message is a new press.
  void Released();

 private:
  std::int32_t heldId_ = 0;
  std::uint32_t heldKey_ = 0;
};

}  // namespace nolb
