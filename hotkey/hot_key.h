// One system-wide hotkey registration (CHotKey), and the run of four keys
// that one chosen key stands for in the preset rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "hotkey/hotkey_service.h"
#include "hotkey/hotkey_value.h"

namespace nolb {

// A slot that holds one registration or none. Free: every field zero.
// Registered: window non-null, id non-zero, the system holds the combination.
class CHotKey {
 public:
  explicit CHotKey(HotKeyService& service) : service_(service) {}
  ~CHotKey() { Unregister(); }
  CHotKey(const CHotKey&) = delete;
  CHotKey& operator=(const CHotKey&) = delete;

  // Releases what the slot holds, then registers; false (and the slot free)
  // when the window is null, the key is 0 or the system refuses.
  bool Register(WindowId window, std::uint32_t key, std::uint32_t modifiers);
  bool RegisterShortCut(WindowId window, std::uint32_t value);
  // False when the slot was free or the system's release failed; the slot
  // is free afterwards in any case.
  bool Unregister();

  bool IsRegistered() const { return registered_; }
  std::int32_t Id() const { return id_; }
  std::uint32_t Key() const { return key_; }

 private:
  HotKeyService& service_;
  WindowId window_ = 0;
  bool registered_ = false;
  std::uint32_t modifiers_ = 0;
  std::uint32_t key_ = 0;
  std::int32_t id_ = 0;
};

// The digit row and the three letter rows of a keyboard, left to right.
inline constexpr std::string_view kKeyRows = "1234567890QWERTYUIOPASDFGHJKLZXCVBNM";

// The chosen key and the three to its right along kKeyRows (going on into
// the next row), or F1-F9 and the three function keys after it; nothing for
// any other key.
std::optional<std::array<std::uint32_t, 4>> KeyRun(std::uint32_t key);

// Registers the run of the value's key in the four slots, each with the
// value's modifiers. All or nothing: when the value is refused or one key
// cannot be registered, all four slots end free.
bool RegisterKeyRun(std::array<CHotKey*, 4> slots, WindowId window, std::uint32_t value);

}  // namespace nolb
