// The target kept across a restart of the panel: section "Reacquire" of the
// settings file holds the identity of the window that was the target at
// exit and the rectangle it had, while "ターゲットの再取得(&R)" is on.
#pragma once

#include <optional>

#include "base/capture_hook.h"
#include "base/settings_store.h"
#include "target/window_identity.h"

namespace nolb {

inline constexpr char kKeptTargetSection[] = "Reacquire";

struct KeptTarget {
  WindowIdentity identity;
  HookTarget rect;  // its window is not kept
  bool operator==(const KeptTarget& other) const {
    return identity == other.identity && rect.x == other.rect.x && rect.y == other.rect.y &&
           rect.width == other.rect.width && rect.height == other.rect.height;
  }
};

// The kept target; nothing when the section is missing or incomplete (no
// executable, a chain of no link or of more than kMaxKeptLinks, a class
// missing, a rectangle key missing).
std::optional<KeptTarget> ReadKeptTarget(SettingsStore& store);

// Writes the section anew, or only removes it when there is nothing to keep.
// A write that fails raises Error.
void WriteKeptTarget(SettingsStore& store, const std::optional<KeptTarget>& kept);

inline constexpr int kMaxKeptLinks = 64;

}  // namespace nolb
