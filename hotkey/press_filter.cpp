#include "hotkey/press_filter.h"

namespace nolb {

bool PressFilter::IsNewPress(std::int32_t id, std::uint32_t key, bool keyDown) {
  // A repeat comes while the key is still down; a key that is up again by
  // the time its message is handled was pressed anew and released quickly.
  if (id == heldId_ && keyDown) return false;
  heldId_ = keyDown ? id : 0;
  heldKey_ = keyDown ? key : 0;
  return true;
}

void PressFilter::Released() {
  heldId_ = 0;
  heldKey_ = 0;
}

}  // namespace nolb
