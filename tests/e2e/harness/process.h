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

// As the output of Process::Start: no standard handles at all, as a
// program started from a shortcut has.
inline const HANDLE kNoStandardHandles = INVALID_HANDLE_VALUE;

class Process {
 public:
  Process() = default;
  // Starts exe with the arguments (quoted as needed) in currentDirectory
  // (empty: the exe's folder), its standard output and error going to
  // output when given (an inheritable handle), its standard error to error
  // when that is given too. Throws HarnessError when it cannot start.
  static Process Start(const std::filesystem::path& exe, const std::vector<std::wstring>& args = {},
                       const std::filesystem::path& currentDirectory = {}, HANDLE output = nullptr,
                       HANDLE error = nullptr);
  // A process that runs already (one a program under test started), ended
  // like the others when the object goes.
  static Process Open(DWORD id);

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

// What a command line run by the system's command prompt wrote and how long
// it took: "cmd /c line" in the folder, its standard output and error into
// one file, waited for (bounded; throws when it does not end).
struct PromptRun {
  std::string output;
  double seconds = 0;
};
PromptRun RunInCommandPrompt(const std::wstring& line, const std::filesystem::path& folder);

}  // namespace e2e
