// A preset list: its items as the list file holds them (bytes of the system
// code page, kept unchanged) and the list control that shows them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/native_path.h"
#include "ui/control_win.h"

namespace nolb {

class PresetList {
 public:
  // The control already shows the designed items.
  PresetList(ui::Control& list, std::vector<std::string> designed);

  // Replaces the items by the lines of the file; a file that cannot be read
  // keeps the items.
  void Load(const NativePath& file);
  // Creates the file anew with the items; raises Error when it cannot.
  void Save(const NativePath& file) const;
  // Appends an item as the last one; the chosen item does not change.
  void Add(std::string item);
  // The chosen item, unchanged; nothing without a chosen item.
  std::optional<std::string> Chosen() const;
  const std::vector<std::string>& Items() const { return items_; }

 private:
  void Show();

  ui::Control& list_;
  std::vector<std::string> items_;
};

}  // namespace nolb
