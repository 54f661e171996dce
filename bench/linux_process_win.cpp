#include "bench/linux_process_win.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "bench/bench_support_win.h"

namespace bench {
namespace {

namespace fs = std::filesystem;

const fs::path kProc = L"Z:\\proc";

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The number after "key:" in a /proc status file, 0 when missing.
std::uint64_t StatusValue(const std::string& status, const std::string& key) {
  const size_t at = status.find("\n" + key + ":");
  return at == std::string::npos ? 0 : std::stoull(status.substr(at + key.size() + 2));
}

std::string WinePrefix() {
  wchar_t value[1024] = L"";
  const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", value, 1024);
  return length > 0 && length < 1024 ? std::string(value, value + length) : std::string();
}

}  // namespace

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

std::string LoadAverage() {
  std::ifstream file(kProc / L"loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return file ? one + " " + five + " " + fifteen : std::string();
}

std::optional<LinuxProcess> LinuxProcess::Find(const std::wstring& commandLinePart) {
  if (!UnderWine()) return std::nullopt;
  const std::string part(commandLinePart.begin(), commandLinePart.end());
  // Other Wine prefixes on the machine may run a program of the same name.
  const std::string prefix = "WINEPREFIX=" + WinePrefix() + std::string(1, '\0');
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(kProc, error)) {
    const std::wstring name = entry.path().filename().wstring();
    if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    if (FileText(entry.path() / L"cmdline").find(part) == std::string::npos) continue;
    if ((FileText(entry.path() / L"environ") + '\0').find(prefix) == std::string::npos) continue;
    return LinuxProcess(std::stoi(name));
  }
  return std::nullopt;
}

std::vector<LinuxThread> LinuxProcess::Threads() const {
  std::vector<LinuxThread> threads;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(kProc / std::to_wstring(pid_) / L"task", error)) {
    LinuxThread thread;
    thread.tid = std::stoi(entry.path().filename().wstring());
    thread.name = FileText(entry.path() / L"comm");
    while (!thread.name.empty() && thread.name.back() == '\n') thread.name.pop_back();
    std::istringstream schedstat(FileText(entry.path() / L"schedstat"));
    double ns = 0;
    schedstat >> ns;
    thread.cpuMs = ns / 1e6;
    thread.wakeups = StatusValue("\n" + FileText(entry.path() / L"status"), "voluntary_ctxt_switches");
    threads.push_back(thread);
  }
  return threads;
}

double LinuxProcess::CpuMs() const {
  double ms = 0;
  for (const auto& thread : Threads()) ms += thread.cpuMs;
  return ms;
}

std::uint64_t LinuxProcess::AnonymousKib() const { return Status("RssAnon"); }

std::uint64_t LinuxProcess::ResidentKib() const { return Status("VmRSS"); }

bool LinuxProcess::Maps(const std::string& file) const {
  return FileText(kProc / std::to_wstring(pid_) / L"maps").find(file) != std::string::npos;
}

std::uint64_t LinuxProcess::Status(const char* key) const {
  return StatusValue("\n" + FileText(kProc / std::to_wstring(pid_) / L"status"), key);
}

ProcessInterval::ProcessInterval(const LinuxProcess& process) : process_(process), start_(NowMs()) {
  for (const auto& thread : process.Threads()) before_[thread.tid] = thread;
}

ProcessFigures ProcessInterval::End() const {
  ProcessFigures figures;
  figures.seconds = (NowMs() - start_) / 1000.0;
  for (LinuxThread thread : process_.Threads()) {
    if (auto was = before_.find(thread.tid); was != before_.end()) {
      thread.cpuMs -= was->second.cpuMs;
      thread.wakeups -= was->second.wakeups;
    }
    figures.cpuMs += thread.cpuMs;
    figures.threads.push_back(thread);
  }
  return figures;
}

}  // namespace bench
