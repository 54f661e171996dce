// Moving between the rectangle's edits with the numeric keypad: releasing
// the keypad's "." in the X (or width) edit takes the "." back out and moves
// to the Y (or height) edit.
#pragma once

#include <string>
#include <string_view>

namespace nolb {

// The virtual key of the numeric keypad's decimal point (VK_DECIMAL); with
// Num Lock off the key sends Del and is not handled.
inline constexpr int kKeypadDecimalKey = 110;

// The edit's text without its last character: the last whole UTF-8
// character, wherever the caret is. One character or none gives "".
std::string WithoutLastCharacter(std::string_view text);

}  // namespace nolb
