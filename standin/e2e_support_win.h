// Helpers for the end-to-end tests of the stand-in library: starting one of
// the programs beside the test executable, and waiting for a condition with
// a deadline while the test thread's windows keep being served.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "standin/standin_library_win.h"
#include "ui/handles_win.h"

namespace nolb::standin {

// A program started from the test's folder; ended (TerminateProcess) if it
// still runs when the object goes.
class ChildProcess {
 public:
  ChildProcess(const wchar_t* program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + BesideExecutable(program) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
      return;
    }
    CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
  }
  ~ChildProcess() {
    if (Running()) {
      TerminateProcess(process_.Get(), 1);
      WaitForSingleObject(process_.Get(), 10000);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  DWORD Id() const { return id_; }
  bool Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
  void Kill() const { TerminateProcess(process_.Get(), 99); }

  // The exit code once the program has ended within the timeout; -1 otherwise.
  long WaitForExit(DWORD timeoutMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.Get(), &code)) {
      return -1;
    }
    return static_cast<long>(code);
  }

 private:
  ui::KernelHandle process_;
  DWORD id_ = 0;
};

// Serves the calling thread's messages and tests `condition` until it holds
// or the deadline passes; returns its last result.
inline bool PollUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = std::chrono::seconds(15)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace nolb::standin
