// Tells a new press of a hotkey from the keyboard's repeats while it is held
// down, so that holding a key acts once. The system may send one hotkey
// message per repeat. While a hotkey is held, a watch over the keyboard
// reports each key going down and up; it sees a key's event before the
// hotkey message that the event brings.
#pragma once

#include <array>
#include <cstdint>

namespace nolb {

class PressFilter {
 public:
  void KeyDown(std::uint32_t key);
  void KeyUp(std::uint32_t key);
  // The key whose hotkey has just acted is down, as seen once the watch
  // runs: its next down events are repeats of the press already taken, and
  // the watch goes on until the key is seen going up.
  void Held(std::uint32_t key);
  // A hotkey message for the key. True when the key was pressed anew since
  // the last message, or when the watch saw no down event of it at all (it
  // was not running); false for a repeat of a key still held.
  bool IsNewPress(std::uint32_t key);
  // The watch has ended: every key it was watching is forgotten, since a
  // release it cannot see any more would leave the key taken for held. A
  // press is a repeat only while the watch that saw the first press runs.
  void WatchEnded();
  // A key taken for held has not been seen going up: the watch goes on.
  bool Watching() const;

 private:
  struct Key {
    bool down = false;
    bool held = false;                // taken for held, release not seen yet
    std::uint32_t presses = 0;        // up-to-down changes seen
    std::uint32_t downs = 0;          // down events seen, repeats included
    std::uint32_t pressesTaken = 0;   // presses when the last message came
    std::uint32_t downsTaken = 0;     // downs when the last message came
  };
  std::array<Key, 256> keys_{};
};

}  // namespace nolb
