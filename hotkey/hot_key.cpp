#include "hotkey/hot_key.h"

namespace nolb {

bool CHotKey::Register(WindowId window, std::uint32_t key, std::uint32_t modifiers) {
  Unregister();
  if (window == 0 || key == 0) return false;
  const std::int32_t id = HotKeyId(key, modifiers);
  if (!service_.Register(window, id, modifiers, key)) return false;
  window_ = window;
  registered_ = true;
  modifiers_ = modifiers;
  key_ = key;
  id_ = id;
  return true;
}

bool CHotKey::RegisterShortCut(WindowId window, std::uint32_t value) {
  ShortCut s = SplitShortCut(value);
  return Register(window, s.key, s.modifiers);
}

bool CHotKey::Unregister() {
  if (!registered_) return false;
  const bool released = service_.Unregister(window_, id_);
  window_ = 0;
  registered_ = false;
  modifiers_ = 0;
  key_ = 0;
  id_ = 0;
  return released;
}

std::optional<std::array<std::uint32_t, 4>> KeyRun(std::uint32_t key) {
  const std::uint32_t c = key & 0xFF;
  const std::size_t p = kKeyRows.find(static_cast<char>(c));
  if (c != 0 && p != std::string_view::npos && p + 3 < kKeyRows.size()) {
    std::array<std::uint32_t, 4> run{};
    for (std::size_t i = 0; i < 4; ++i) run[i] = static_cast<unsigned char>(kKeyRows[p + i]);
    return run;
  }
  if (c >= kKeyF1 && c + 3 <= kKeyF12) return std::array<std::uint32_t, 4>{c, c + 1, c + 2, c + 3};
  return std::nullopt;
}

bool RegisterKeyRun(std::array<CHotKey*, 4> slots, WindowId window, std::uint32_t value) {
  const ShortCut s = SplitShortCut(value);
  bool ok = false;
  if (auto run = KeyRun(s.key)) {
    ok = true;
    for (std::size_t i = 0; i < 4 && ok; ++i) ok = slots[i]->Register(window, (*run)[i], s.modifiers);
  }
  if (!ok) {
    for (CHotKey* slot : slots) slot->Unregister();
  }
  return ok;
}

}  // namespace nolb
