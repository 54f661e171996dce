#include "bench/bench_support_win.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <stdexcept>

#include "standin/standin_library_win.h"

namespace bench {

namespace {

double FileTimeMs(const FILETIME& time) {
  ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
  return static_cast<double>(value.QuadPart) / 10000.0;
}

}  // namespace

double ProcessCpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  return FileTimeMs(kernel) + FileTimeMs(user);
}

double ThreadCpuMs(HANDLE thread) {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return -1;
  return FileTimeMs(kernel) + FileTimeMs(user);
}

double NowMs() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::string PreviewBenchSettings(const std::string& mainLines) {
  return "[Main]\r\nX=0\r\nY=0\r\nsWidth=640\r\nsHeight=480\r\n" + mainLines +
         "[Preview]\r\nTop=400\r\nLeft=620\r\nsWidth=640\r\nsHeight=480\r\nFrameRate=0\r\n";
}

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

Child::Child(const fs::path& exe, const fs::path& folder, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
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

namespace {

struct ControlSearch {
  const wchar_t* name;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<ControlSearch*>(parameter);
  // The panel's window layer names every control with a global atom.
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, L"NOLB.Name")));
  wchar_t name[64];
  if (atom && GlobalGetAtomNameW(atom, name, 64) && std::wcscmp(name, search.name) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace


bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  while (!condition()) {
    if (NowMs() > deadline) return false;
    Sleep(1);
  }
  return true;
}

HWND WaitForControl(HWND form, const wchar_t* name) {
  ControlSearch search{name, nullptr};
  if (!WaitFor([&] {
        EnumChildWindows(form, MatchControl, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      })) {
    throw std::runtime_error("the window has no control " + Narrow(name));
  }
  return search.found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className) {
  HWND window = nullptr;
  if (!WaitFor([&] { return (window = VisibleWindow(processId, className)) != nullptr; })) {
    throw std::runtime_error("the program showed no window of class " + Narrow(className));
  }
  return window;
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

}  // namespace bench
