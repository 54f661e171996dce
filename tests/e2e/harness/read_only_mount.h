// A folder made read-only for as long as the object lives, as a folder under
// "Program Files" is for a user: a read-only bind mount of the folder onto
// itself. Root ignores file permissions, so nothing less does it. Wine runs
// a Unix program given to CreateProcess, so the Unix shell makes and removes
// the mount; that needs root (or the right to mount).
#pragma once

#include <filesystem>
#include <string>

#include "harness/error.h"

namespace e2e {

// The system does not let the harness mount (not root, no mount rights).
class MountRefused : public HarnessError {
 public:
  using HarnessError::HarnessError;
};

class ReadOnlyMount {
 public:
  // Throws MountRefused with the shell's message when it is not allowed.
  explicit ReadOnlyMount(const std::filesystem::path& folder);
  // Removes the mount (also while a program still holds a file in it) and
  // waits until the folder can be written again.
  ~ReadOnlyMount();
  ReadOnlyMount(const ReadOnlyMount&) = delete;
  ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;

 private:
  std::string unixPath_;
};

}  // namespace e2e
