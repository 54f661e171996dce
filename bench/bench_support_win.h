// What the benchmarks that start the panel share: a clock, a started
// program, its visible windows and a temporary folder to run it from.
#pragma once

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "ui/handles_win.h"

namespace bench {

namespace fs = std::filesystem;

inline constexpr DWORD kRunTimeoutMs = 30000;

inline double NowMs() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A started program, terminated if it still runs when the object goes.
class Child {
 public:
  Child(const fs::path& exe, const fs::path& folder) {
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
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (Running()) {
      TerminateProcess(process_.Get(), 1);
      WaitForSingleObject(process_.Get(), kRunTimeoutMs);
    }
  }

  DWORD Id() const { return id_; }
  HANDLE Process() const { return process_.Get(); }
  bool Running() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
  bool WaitForExit() const { return WaitForSingleObject(process_.Get(), kRunTimeoutMs) == WAIT_OBJECT_0; }

 private:
  ui::KernelHandle process_;
  DWORD id_ = 0;
};

namespace detail {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
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

}  // namespace detail

// The visible top-level window of that class owned by the process, if any.
inline HWND VisibleWindow(DWORD processId, const wchar_t* className) {
  detail::WindowSearch search{processId, className, nullptr};
  EnumWindows(detail::MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A temporary folder with copies of files, removed when the object goes.
class RunFolder {
 public:
  RunFolder(const wchar_t* prefix, const fs::path& from, std::initializer_list<const wchar_t*> files)
      : path_(fs::temp_directory_path() / (prefix + std::to_wstring(GetCurrentProcessId()))) {
    fs::create_directories(path_);
    for (const wchar_t* file : files) fs::copy_file(from / file, path_ / file, fs::copy_options::overwrite_existing);
  }
  ~RunFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace bench
