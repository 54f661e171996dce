#include "ui/error_report_win.h"

#include <atomic>

#include "base/error.h"
#include "ui/text_win.h"

namespace ui {

namespace {

std::atomic<bool> silenced{false};
thread_local CollectedReports* collected = nullptr;

}  // namespace

CollectedReports::CollectedReports() : outer_(collected) { collected = this; }

CollectedReports::~CollectedReports() { collected = outer_; }

void CollectedReports::Keep(const std::string& message) {
  if (!any_) first_ = message;
  any_ = true;
}

void SilenceErrorReports() { silenced = true; }

void ShowErrorReport(HWND owner, const std::string& message) {
  if (collected) return collected->Keep(message);
  if (silenced) return;
  std::wstring text = Widen(nolb::ErrorReportText(message));
  MessageBoxW(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void ShowWarning(HWND owner, const std::wstring& text, const std::wstring& title) {
  if (collected) return collected->Keep(Narrow(text));
  if (silenced) return;
  MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace ui
