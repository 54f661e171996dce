#include "ui/error_report_win.h"

#include <atomic>

#include "base/error.h"
#include "ui/text_win.h"

namespace ui {

namespace {

std::atomic<bool> silenced{false};

}  // namespace

void SilenceErrorReports() { silenced = true; }

void ShowErrorReport(HWND owner, const std::string& message) {
  if (silenced) return;
  std::wstring text = Widen(nolb::ErrorReportText(message));
  MessageBoxW(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void ShowWarning(HWND owner, const std::wstring& text, const std::wstring& title) {
  if (silenced) return;
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace ui
