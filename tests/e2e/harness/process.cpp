#include "harness/process.h"

#include <chrono>
#include <utility>

#include "harness/error.h"
#include "harness/temp_folder.h"
#include "harness/text.h"

namespace e2e {

namespace {

constexpr DWORD kKilledExitCode = 0xDEAD;

std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') backslashes = backslashes * 2 + 1;
    out.append(backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  out += L'"';
  return out;
}

}  // namespace

std::filesystem::path BinDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastError("GetModuleFileNameW");
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

std::wstring CommandLine(const std::filesystem::path& exe, const std::vector<std::wstring>& args) {
  std::wstring line = Quote(exe.wstring());
  for (const auto& arg : args) line += L" " + Quote(arg);
  return line;
}

Process Process::Start(const std::filesystem::path& exe, const std::vector<std::wstring>& args,
                       const std::filesystem::path& currentDirectory, HANDLE output, HANDLE error) {
  std::wstring line = CommandLine(exe, args);
  std::filesystem::path directory = currentDirectory.empty() ? exe.parent_path() : currentDirectory;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (output == kNoStandardHandles) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    output = nullptr;
  } else if (output) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = error ? error : output;
  }
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, output != nullptr, 0, nullptr,
                      directory.c_str(), &startup, &info)) {
    ThrowLastError("cannot start " + Utf8(line));
  }
  CloseHandle(info.hThread);
  Process process;
  process.handle_ = info.hProcess;
  process.id_ = info.dwProcessId;
  process.path_ = exe;
  return process;
}

Process Process::Open(DWORD id) {
  Process process;
  process.handle_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, id);
  if (!process.handle_) ThrowLastError("cannot open process " + std::to_string(id));
  process.id_ = id;
  return process;
}

PromptRun RunInCommandPrompt(const std::wstring& line, const std::filesystem::path& folder) {
  std::wstring system(MAX_PATH, L'\0');
  system.resize(GetSystemDirectoryW(system.data(), MAX_PATH));
  const std::filesystem::path file = folder / L"prompt-output.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  if (output == INVALID_HANDLE_VALUE) ThrowLastError("cannot create " + Utf8(file.wstring()));
  const auto start = std::chrono::steady_clock::now();
  Process prompt = Process::Start(std::filesystem::path(system) / L"cmd.exe", {L"/c", line}, folder, output);
  CloseHandle(output);
  if (!prompt.WaitForExit(std::chrono::seconds(20))) throw HarnessError("cmd /c " + Utf8(line) + " did not end");
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {ReadFile(file), seconds};
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      id_(std::exchange(other.id_, 0)),
      path_(std::move(other.path_)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = std::exchange(other.handle_, nullptr);
    id_ = std::exchange(other.id_, 0);
    path_ = std::move(other.path_);
  }
  return *this;
}

Process::~Process() { Release(); }

void Process::Release() {
  if (!handle_) return;
  Kill();
  CloseHandle(handle_);
  handle_ = nullptr;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(Duration timeout) const {
  if (!handle_) throw HarnessError("no process");
  if (WaitForSingleObject(handle_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
  return ExitCode();
}

DWORD Process::ExitCode() const {
  if (Running()) throw HarnessError(Utf8(path_.filename().wstring()) + " is still running");
  DWORD code = 0;
  if (!GetExitCodeProcess(handle_, &code)) ThrowLastError("GetExitCodeProcess");
  return code;
}

void Process::Kill() {
  if (!Running()) return;
  TerminateProcess(handle_, kKilledExitCode);
  WaitForSingleObject(handle_, 10000);
}

}  // namespace e2e
