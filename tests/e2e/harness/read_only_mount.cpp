#include "harness/read_only_mount.h"

#include <windows.h>

#include "harness/unix_shell.h"

namespace e2e {

ReadOnlyMount::ReadOnlyMount(const std::filesystem::path& folder) {
  try {
    unixPath_ = UnixPath(folder);
  } catch (const HarnessError& e) {
    throw MountRefused(e.what());
  }
  const std::string p = "'" + unixPath_ + "'";
  ShellResult made = RunUnixShell("/bin/mount --bind " + p + " " + p + " && { /bin/mount -o remount,ro,bind " + p +
                                  " || { /bin/umount " + p + "; exit 1; }; }");
  if (made.status != 0) throw MountRefused("cannot mount " + unixPath_ + " read-only: " + made.output);
}

ReadOnlyMount::~ReadOnlyMount() {
  // Lazily: a program that has not quite ended may still hold its files.
  try {
    RunUnixShell("/bin/umount -l '" + unixPath_ + "'");
  } catch (const HarnessError&) {
  }
}

}  // namespace e2e
