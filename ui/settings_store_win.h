// The settings file beside the executable (or in the user's folder, when
// the executable's folder takes no new file), read and written with the
// platform's profile functions. A section is read whole at its first key,
// since each call of those functions opens the file again; a key it lacks is
// asked of the file alone, unless there is no file. A write drops what was
// read, so the next key read sees the file as written.
#pragma once

#include <map>

#include "base/file_place.h"
#include "base/profile_section.h"
#include "base/settings_store.h"

namespace nolb {

class ProfileSettingsStore : public SettingsStore {
 public:
  // The file of the running executable: its path with ".ini", or the same
  // name in the user's folder.
  ProfileSettingsStore();
  explicit ProfileSettingsStore(FilePlace place) : place_(std::move(place)) {}
  explicit ProfileSettingsStore(const NativePath& file) : place_{file, file} {}

  std::optional<std::string> Read(std::string_view section, std::string_view key) override;
  std::string Path() const override;

 protected:
  bool TryWrite(std::string_view section, std::string_view key, std::string_view value) override;
  bool TryRemoveSection(std::string_view section) override;

 private:
  const ProfileSection& Section(std::string_view name);
  std::optional<std::string> ReadAlone(std::string_view section, std::string_view key) const;

  // Read from place_.read until the first write, from place_.write after it.
  FilePlace place_;
  bool written_ = false;
  std::map<std::string, ProfileSection, std::less<>> sections_;
  std::optional<bool> fileExists_;  // known from the first section read on
};

// The full path of the running executable.
NativePath ExecutablePath();

}  // namespace nolb
