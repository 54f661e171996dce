#include <exception>

namespace ui {

template <typename F>
bool ReportingErrors(HWND owner, F&& action) noexcept {
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    ShowErrorReport(owner, e.what());
  } catch (...) {
    ShowErrorReport(owner, "不明なエラーが発生しました");
  }
  return false;
}

}  // namespace ui
