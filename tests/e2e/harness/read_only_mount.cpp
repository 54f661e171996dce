#include "harness/read_only_mount.h"

#include <windows.h>

#include "harness/process.h"
#include "harness/temp_folder.h"
#include "harness/text.h"
#include "harness/wait.h"

namespace e2e {
namespace {

struct ShellResult {
  int status = -1;
  std::string output;
};

// The Unix path of a file, as Wine maps it.
std::string UnixPath(const std::filesystem::path& path) {
  using GetUnixName = char*(CDECL*)(const wchar_t*);
  auto unixName = reinterpret_cast<GetUnixName>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName ? unixName(path.c_str()) : nullptr;
  if (!name) throw MountRefused("no Unix name for " + Utf8(path.wstring()));
  std::string result(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Runs a script of the Unix shell and waits for its end. Wine starts a Unix
// program but gives no handle to wait on, so the script writes its status
// into a file last.
ShellResult RunUnixShell(const std::string& script) {
  TempFolder results;
  const std::string folder = UnixPath(results.Path());
  const std::string out = folder + "/output";
  const std::string status = folder + "/status";
  const std::string line = "(" + script + ") >'" + out + "' 2>&1; echo $? >'" + status + ".new'; /bin/mv '" +
                           status + ".new' '" + status + "'";
  std::wstring command = CommandLine(L"/bin/sh", {L"-c", Wide(line)});
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    ThrowLastError("cannot start the Unix shell");
  }
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  const std::filesystem::path statusFile = results.Path() / L"status";
  if (!WaitUntil([&] { return std::filesystem::exists(statusFile); })) {
    throw HarnessError("the Unix shell did not end: " + script);
  }
  ShellResult result;
  result.status = std::stoi(ReadFile(statusFile));
  result.output = ReadFile(results.Path() / L"output");
  return result;
}

}  // namespace

ReadOnlyMount::ReadOnlyMount(const std::filesystem::path& folder) : unixPath_(UnixPath(folder)) {
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
