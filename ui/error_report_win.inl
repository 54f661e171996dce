#include <exception>
#include <string>

#include "base/error.h"

namespace ui {

template <typename F>
bool ReportingErrors(HWND owner, F&& action) noexcept {
  try {
    action();
    return true;
  } catch (const nolb::Error& e) {
    ShowErrorReport(owner, e.what());
  } catch (const std::exception& e) {
    // Not the program's own (out of memory, a library's error): its message
    // is not meant for the user, so it follows a fixed one as detail.
    ShowErrorReport(owner, std::string(kUnexpectedError) + " (" + e.what() + ")");
  } catch (...) {
    ShowErrorReport(owner, kUnexpectedError);
  }
  return false;
}

}  // namespace ui
