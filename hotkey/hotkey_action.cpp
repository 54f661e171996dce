#include "hotkey/hotkey_action.h"

namespace nolb {
namespace {

using Kind = HotkeyActionKind;

// The preset action of the run whose slot the identifier names, if any.
std::optional<HotkeyAction> PresetAction(std::int32_t id, const std::array<std::int32_t, 4>& run,
                                         int count, Kind kind) {
  for (int i = 0; i < 4; ++i) {
    if (run[i] != id) continue;
    if (auto entry = PresetEntryIndex(i, count)) return HotkeyAction{kind, *entry};
    return HotkeyAction{};
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> PresetEntryIndex(int key, int count) {
  const int entry = key < 2 ? key : count + key - 4;
  if (entry < 0 || entry >= count) return std::nullopt;
  return entry;
}

HotkeyAction DecideHotkeyAction(std::int32_t id, const HotkeySlotIds& slots,
                                const HotkeyContext& c) {
  // A free slot has identifier 0, which no registration carries.
  if (id == 0) return {};
  if (id == slots.autoMouse) {
    return c.autoMouseEnabled ? HotkeyAction{Kind::kToggleAutoMouse} : HotkeyAction{};
  }
  if (id == slots.windowGrab) {
    return c.autoMouseChecked ? HotkeyAction{} : HotkeyAction{Kind::kGrabWindow};
  }
  const bool followOff = !c.autoMouseChecked && !c.autoWindowChecked;
  if (id == slots.setPos || id == slots.setRange || id == slots.adjustRange) {
    if (!followOff || c.selectionVisible) return {};
    if (id == slots.adjustRange) return {Kind::kAdjustRange};
    return {id == slots.setPos ? Kind::kSelectPosition : Kind::kSelectRange};
  }
  if (auto a = PresetAction(id, slots.selPos, c.positionPresetCount, Kind::kPositionPreset)) {
    return c.targetGroupEnabled ? *a : HotkeyAction{};
  }
  if (auto a = PresetAction(id, slots.selSize, c.sizePresetCount, Kind::kSizePreset)) {
    // While the mouse is followed, the size still changes.
    return c.targetGroupEnabled || c.autoMouseChecked ? *a : HotkeyAction{};
  }
  return {};
}

}  // namespace nolb
