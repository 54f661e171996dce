// A started program, ended for sure when the object goes: a failing test
// never leaves a process behind.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "harness/wait.h"

namespace e2e {

// The folder of the running test program: build/win32/bin, where the panel,
// NOLB.DLL, the helpers and the fixtures are built.
std::filesystem::path BinDir();

class Process {
 public:
  Process() = default;
  // Starts exe with the arguments (quoted as needed) in currentDirectory
  // (empty: the exe's folder), its standard output and error going to
  // output when given (an inheritable handle). Throws HarnessError when it
  // cannot start.
  static Process Start(const std::filesystem::path& exe, const std::vector<std::wstring>& args = {},
                       const std::filesystem::path& currentDirectory = {}, HANDLE output = nullptr);

  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  explicit operator bool() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return handle_; }
  const std::filesystem::path& Path() const { return path_; }

  bool Running() const;
  // The exit code once the process has ended within timeout, else nothing.
  std::optional<DWORD> WaitForExit(Duration timeout = kDefaultTimeout) const;
  // The exit code of an ended process; throws while it runs.
  DWORD ExitCode() const;
  // Terminates a running process and waits for its end.
  void Kill();

 private:
  void Release();

  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
  std::filesystem::path path_;
};

// The command line for exe and args, each quoted the way CommandLineToArgvW reads it.
std::wstring CommandLine(const std::filesystem::path& exe, const std::vector<std::wstring>& args);

}  // namespace e2e
