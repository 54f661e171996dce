#include "ui/error_report_win.h"

#include "base/error.h"
#include "ui/text_win.h"

namespace ui {

void ShowErrorReport(HWND owner, const std::string& message) {
  std::wstring text = Widen(nolb::ErrorReportText(message));
  MessageBoxW(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

}  // namespace ui
