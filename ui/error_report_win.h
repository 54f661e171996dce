// The default error report: an error raised in a window event ends that
// event and is shown in a message box titled with the application title.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

inline constexpr wchar_t kApplicationTitle[] = L"NOLB";
// The report of an error that is not the program's own, before its detail.
inline constexpr char kUnexpectedError[] = "予期しないエラーが発生しました";

// Shows message (UTF-8) with the error icon and an OK button; nothing once
// error reports are silenced.
void ShowErrorReport(HWND owner, const std::string& message);

// A message the user must heed: the warning icon, an OK button, the given
// title; nothing once error reports are silenced, like every report.
void ShowWarning(HWND owner, const std::wstring& text, const std::wstring& title);

// From now on, for the rest of the process, errors are not shown: the
// session ends, or the system asks the program to end. Nobody is there to
// answer a message box, and the steps after it would wait for it while the
// system gives the program only a few seconds.
void SilenceErrorReports();

// While one lives, the reports of its thread (errors and warnings) are
// kept in it instead of shown: a command of another program runs, and
// nobody waits at a message box for it.
class CollectedReports {
 public:
  CollectedReports();
  ~CollectedReports();
  CollectedReports(const CollectedReports&) = delete;
  CollectedReports& operator=(const CollectedReports&) = delete;

  // The first report's message (UTF-8), empty while none came.
  const std::string& First() const { return first_; }
  bool Any() const { return any_; }
  // Kept when it is the first.
  void Keep(const std::string& message);

 private:
  CollectedReports* outer_;
  std::string first_;
  bool any_ = false;
};

// Runs action; an exception it raises is shown by the default error report
// instead of going further. Returns false when an error was shown.
template <typename F>
bool ReportingErrors(HWND owner, F&& action) noexcept;

}  // namespace ui

#include "ui/error_report_win.inl"
