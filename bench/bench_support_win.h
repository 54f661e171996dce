// What the benchmarks share: a clock, started programs, their windows, a
// temporary folder to run the panel from, and summaries of measurements.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/handles_win.h"

namespace bench {

namespace fs = std::filesystem;

// How long a program may take to start, show a window or end.
inline constexpr DWORD kRunTimeoutMs = 30000;

double NowMs();
std::string Narrow(const std::wstring& text);

// A settings file for the preview's benchmarks: the capture rectangle
// 640 × 480 at the desktop's corner and the preview's picture 640 × 480 at
// "30fps" (a 33 ms period), its window beside the main window. mainLines:
// more lines of section Main ("Key=value\r\n" each).
std::string PreviewBenchSettings(const std::string& mainLines = "");

// The folder of the running benchmark, where the panel and NOLB.DLL are.
fs::path BinFolder();
// Throws when a panel runs already (it holds the single-instance mutex).
void RequireNoPanelRunning();

// A benchmark's entry: its one option "--name N" (N from 1 to max, default
// fallback), then run(N). A wrong command line gives 2 with the usage, an
// error 1 with its message.
int RunWithCount(int argc, wchar_t** argv, const char* program, const wchar_t* option, int fallback, int max,
                 const std::function<int(int)>& run);

// A started program, terminated if it still runs when the object goes.
class Child {
 public:
  // arguments: the rest of the command line, after the quoted exe.
  Child(const fs::path& exe, const fs::path& folder, const std::wstring& arguments = L"");
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }
  bool Running() const;
  bool WaitForExit(DWORD timeoutMs = kRunTimeoutMs) const;
  void Kill();

 private:
  ui::KernelHandle process_;
  DWORD id_ = 0;
};

// The visible top-level window of that class owned by the process, if any.
HWND VisibleWindow(DWORD processId, const wchar_t* className);
// Kernel and user time of a process or a thread (any process's, with
// query rights), in ms; -1 when it cannot be read.
double ProcessCpuMs(HANDLE process);
double ThreadCpuMs(HANDLE thread);

// Polls every millisecond until the condition holds (true) or the time is out.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kRunTimeoutMs);
// Polls until the panel shows a top-level window of that class; throws when none comes.
HWND WaitForWindow(DWORD processId, const wchar_t* className);
// The control of a form of the panel with that designer name (the panel
// names its controls once its window is shown); throws when none comes.
HWND WaitForControl(HWND form, const wchar_t* name);

// Posts WM_CLOSE and waits for the end; throws when the program stays.
void CloseWindowAndWait(const Child& child, HWND window, const char* what);

// A temporary folder with copies of the files, removed when the object goes.
class RunFolder {
 public:
  RunFolder(const std::wstring& prefix, const fs::path& from, std::initializer_list<const wchar_t*> files);
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  ~RunFolder();
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// The value below which the fraction p (0 to 1) of the values lie, taken
// from the sorted values by the nearest rank.
double Percentile(std::vector<double> values, double p);

struct Summary {
  double median, min, max;
};
Summary Summarise(std::vector<double> values);

}  // namespace bench
