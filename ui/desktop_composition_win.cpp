#include "ui/desktop_composition_win.h"

#include <dwmapi.h>

#include "ui/handles_win.h"
#include "ui/monitor_scaling_win.h"

namespace ui {
namespace {

// dwmapi.dll and the two functions used, loaded once for the program's life.
class DesktopWindowManager {
 public:
  static const DesktopWindowManager& Get() {
    static const DesktopWindowManager manager;
    return manager;
  }

  decltype(&DwmFlush) flush = nullptr;
  decltype(&DwmGetWindowAttribute) windowAttribute = nullptr;

 private:
  DesktopWindowManager() {
    module_.Reset(LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!module_) return;
    flush = reinterpret_cast<decltype(flush)>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), "DwmFlush")));
    windowAttribute = reinterpret_cast<decltype(windowAttribute)>(
        reinterpret_cast<void*>(GetProcAddress(module_.Get(), "DwmGetWindowAttribute")));
  }

  Module module_;
};

}  // namespace

void FlushComposition() {
  // Fails at once when the composition is off (Windows 7's basic theme):
  // the screen then shows what was drawn already.
  if (auto flush = DesktopWindowManager::Get().flush) flush();
}

nolb::WindowRect VisibleFrame(HWND window, std::optional<std::vector<nolb::MonitorScaling>>& monitors) {
  RECT whole{};
  GetWindowRect(window, &whole);
  RECT drawn{};
  auto attribute = DesktopWindowManager::Get().windowAttribute;
  if (!attribute || FAILED(attribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &drawn, sizeof drawn))) {
    return ToWindowRect(whole);
  }
  if (!monitors) monitors = MonitorScalings();
  return nolb::VisibleFrame(*monitors, ToWindowRect(whole), ToWindowRect(drawn));
}

}  // namespace ui
