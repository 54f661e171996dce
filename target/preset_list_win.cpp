#include "target/preset_list_win.h"

#include "base/preset_file.h"
#include "ui/text_win.h"

namespace nolb {

PresetList::PresetList(ui::Control& list, std::vector<std::string> designed)
    : list_(list), items_(std::move(designed)) {}

void PresetList::Load(const NativePath& file) {
  if (auto items = LoadPresetFile(file)) {
    items_ = std::move(*items);
    Show();
  }
}

void PresetList::Save(const NativePath& file) const { SavePresetFile(file, items_); }

void PresetList::Add(std::string item) {
  list_.AddItem(ui::FromCodePage(item));
  items_.push_back(std::move(item));
}

std::optional<std::string> PresetList::Chosen() const {
  int index = list_.ItemIndex();
  if (index < 0 || static_cast<size_t>(index) >= items_.size()) return std::nullopt;
  return items_[static_cast<size_t>(index)];
}

void PresetList::Show() {
  std::vector<std::wstring> shown;
  shown.reserve(items_.size());
  for (const auto& item : items_) shown.push_back(ui::FromCodePage(item));
  list_.SetItems(shown);
}

}  // namespace nolb
