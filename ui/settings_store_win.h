// The settings file beside the executable, read and written with the
// platform's profile functions.
#pragma once

#include "base/settings_store.h"

namespace nolb {

class ProfileSettingsStore : public SettingsStore {
 public:
  // The file of the running executable: its path with ".ini".
  ProfileSettingsStore();
  explicit ProfileSettingsStore(NativePath file) : file_(std::move(file)) {}

  std::optional<std::string> Read(std::string_view section, std::string_view key) override;
  std::string Path() const override;

 protected:
  bool TryWrite(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  NativePath file_;
};

// The full path of the running executable.
NativePath ExecutablePath();

}  // namespace nolb
