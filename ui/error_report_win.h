// The default error report: an error raised in a window event ends that
// event and is shown in a message box titled with the application title.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

inline constexpr wchar_t kApplicationTitle[] = L"NOLB";
// The report of an error that is not the program's own, before its detail.
inline constexpr char kUnexpectedError[] = "予期しないエラーが発生しました";

// Shows message (UTF-8) with the error icon and an OK button.
void ShowErrorReport(HWND owner, const std::string& message);

// Runs action; an exception it raises is shown by the default error report
// instead of going further. Returns false when an error was shown.
template <typename F>
bool ReportingErrors(HWND owner, F&& action) noexcept;

}  // namespace ui

#include "ui/error_report_win.inl"
