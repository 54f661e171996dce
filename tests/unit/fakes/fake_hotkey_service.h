// The system's hotkey registrations in memory: a combination is held by one
// registration at a time; combinations held by another program refuse too.
#pragma once

#include <map>
#include <set>
#include <utility>

#include "hotkey/hotkey_service.h"

namespace nolb {

class FakeHotKeyService : public HotKeyService {
 public:
  using Combination = std::pair<std::uint32_t, std::uint32_t>;  // modifiers, key

  bool Register(WindowId window, std::int32_t id, std::uint32_t modifiers,
                std::uint32_t key) override {
    Combination c{modifiers, key};
    if (heldElsewhere.count(c) || byId.count({window, id})) return false;
    for (const auto& [registration, held] : byId) {
      if (held == c) return false;
    }
    byId[{window, id}] = c;
    return true;
  }

  bool Unregister(WindowId window, std::int32_t id) override {
    return byId.erase({window, id}) != 0;
  }

  bool Holds(std::uint32_t modifiers, std::uint32_t key) const {
    for (const auto& [registration, held] : byId) {
      if (held == Combination{modifiers, key}) return true;
    }
    return false;
  }

  std::map<std::pair<WindowId, std::int32_t>, Combination> byId;
  std::set<Combination> heldElsewhere;
};

}  // namespace nolb
