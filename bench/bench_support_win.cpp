#include "bench/bench_support_win.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "standin/standin_library_win.h"

namespace bench {
namespace {

double FileTimeMs(const FILETIME& t) {
  return static_cast<double>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e4;
}

std::optional<double> LinuxProcessCpuMs(const std::wstring& commandLinePart) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(L"Z:\\proc", error)) {
    const std::wstring name = entry.path().filename().wstring();
    if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    std::ifstream cmdline(entry.path() / L"cmdline", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
    if (text.find(Narrow(commandLinePart)) == std::string::npos) continue;
    std::ifstream statFile(entry.path() / L"stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // Fields after the command name in parentheses: state is field 3,
    // utime 14 and stime 15.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
      if (i >= 14) ticks += std::stod(field);
    }
    return ticks * 1000.0 / 100.0;  // USER_HZ
  }
  return std::nullopt;
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

}  // namespace

double NowMs() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

fs::path BinFolder() { return fs::path(nolb::standin::BesideExecutable(L"")).parent_path(); }

void RequireNoPanelRunning() {
  if (HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"NOLB_Boot")) {
    CloseHandle(mutex);
    throw std::runtime_error("NOLBPanel.exe is already running: close it first");
  }
}

int RunWithCount(int argc, wchar_t** argv, const char* program, const wchar_t* option, int fallback, int max,
                 const std::function<int(int)>& run) {
  int count = fallback;
  if (argc == 3 && std::wcscmp(argv[1], option) == 0) {
    count = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
  } else if (argc != 1) {
    count = 0;
  }
  if (count < 1 || count > max) {
    std::fprintf(stderr, "usage: %s.exe [%ls N]   (N from 1 to %d, default %d)\n", program, option, max, fallback);
    return 2;
  }
  try {
    return run(count);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program, error.what());
    return 1;
  }
}

Child::Child(const fs::path& exe, const fs::path& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + Narrow(exe.wstring()));
  }
  process_.Reset(info.hProcess);
  CloseHandle(info.hThread);
  id_ = info.dwProcessId;
}

Child::~Child() { Kill(); }

bool Child::Running() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

bool Child::WaitForExit(DWORD timeoutMs) const {
  return WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

void Child::Kill() {
  if (Running()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), kRunTimeoutMs);
  }
}

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  if (owner == search.processId && IsWindowVisible(window) && GetClassNameW(window, name, 64) &&
      std::wcscmp(name, search.className) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND VisibleWindow(DWORD processId, const wchar_t* className) {
  WindowSearch search{processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CloseWindowAndWait(const Child& child, HWND window, const char* what) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (!child.WaitForExit()) throw std::runtime_error(std::string(what) + " did not end when closed");
}

RunFolder::RunFolder(const std::wstring& prefix, const fs::path& from,
                     std::initializer_list<const wchar_t*> files)
    : path_(fs::temp_directory_path() / (prefix + std::to_wstring(GetCurrentProcessId()))) {
  fs::create_directories(path_);
  for (const wchar_t* file : files) fs::copy_file(from / file, path_ / file, fs::copy_options::overwrite_existing);
}

RunFolder::~RunFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

Summary Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

double PanelCpuMs(HANDLE process, const std::wstring& commandLinePart) {
  if (UnderWine()) {
    if (auto ms = LinuxProcessCpuMs(commandLinePart)) return *ms;
    throw std::runtime_error("the process is not found in /proc");
  }
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  return FileTimeMs(kernel) + FileTimeMs(user);
}

}  // namespace bench
