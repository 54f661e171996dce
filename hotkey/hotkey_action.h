// What one hotkey message does: which slot its identifier names, and whether
// the main window's state lets that action run (the follow modes lock the
// target and range, the selection window must not be up already).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace nolb {

// The identifiers of the thirteen slots; 0 for a free slot.
struct HotkeySlotIds {
  std::int32_t autoMouse = 0;
  std::int32_t windowGrab = 0;
  std::int32_t setPos = 0;
  std::int32_t setRange = 0;
  std::int32_t adjustRange = 0;
  std::array<std::int32_t, 4> selPos{};
  std::array<std::int32_t, 4> selSize{};
};

// The state of the main window that the actions depend on.
struct HotkeyContext {
  bool autoMouseChecked = false;
  bool autoMouseEnabled = true;
  bool autoWindowChecked = false;
  bool targetGroupEnabled = true;
  bool selectionVisible = false;
  int positionPresetCount = 0;
  int sizePresetCount = 0;
};

enum class HotkeyActionKind {
  kNone,
  kToggleAutoMouse,  // set the follow-mouse box to the opposite
  kGrabWindow,       // the window under the cursor becomes the target, then apply
  kSelectPosition,   // on-screen position selection
  kSelectRange,      // on-screen range selection
  kAdjustRange,      // the present range adjusted on the screen
  kPositionPreset,   // choose entry `index` of the position presets
  kSizePreset,       // choose entry `index` of the size presets
};

struct HotkeyAction {
  HotkeyActionKind kind = HotkeyActionKind::kNone;
  int index = 0;
  bool operator==(const HotkeyAction&) const = default;
};

// The preset entry that key i (0-3) of a run chooses in a list of n entries:
// the first two keys the first two entries, the last two keys the
// second-to-last and the last; nothing when that entry does not exist.
std::optional<int> PresetEntryIndex(int key, int count);

HotkeyAction DecideHotkeyAction(std::int32_t id, const HotkeySlotIds& slots,
                                const HotkeyContext& context);

}  // namespace nolb
