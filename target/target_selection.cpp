#include "target/target_selection.h"

namespace nolb {

TargetView ViewOf(const CaptureSettings& s, std::string caption) {
  return TargetView{s.target, std::move(caption), s.x, s.y, s.width, s.height};
}

std::string TargetCaption(WindowSystem& windows, WindowId window) {
  if (window == windows.DesktopWindow()) return kDesktopCaption;
  return windows.Text(window) + " (" + windows.ClassName(window) + ")";
}

TargetView SelectDesktop(CaptureState& state, WindowSystem& windows) {
  const WindowId desktop = windows.DesktopWindow();
  TargetView view;
  state.Update([&](CaptureSettings& s, DesktopRect& remembered) {
    s.target = desktop;
    if (remembered.Remembered()) {
      s.x = remembered.x;
      s.y = remembered.y;
      s.width = remembered.width;
      s.height = remembered.height;
    }
    view = ViewOf(s, kDesktopCaption);
  });
  return view;
}

std::optional<TargetView> TakeWindow(CaptureState& state, WindowSystem& windows, WindowId window) {
  std::optional<Size> size = windows.ClientSize(window);
  if (!size) return std::nullopt;
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.target = window;
    s.x = 0;
    s.y = 0;
    s.width = size->width;
    s.height = size->height;
  });
  return TargetView{window, TargetCaption(windows, window), 0, 0, size->width, size->height};
}

PickResult PickWindowUnderCursor(CaptureState& state, WindowSystem& windows) {
  if (std::optional<Point> cursor = windows.CursorPos()) {
    if (WindowId window = windows.WindowFromPoint(*cursor)) {
      if (std::optional<TargetView> view = TakeWindow(state, windows, window)) {
        return PickResult{*view, true};
      }
    }
  }
  return PickResult{SelectDesktop(state, windows), false};
}

std::optional<TargetView> SelectParent(CaptureState& state, WindowSystem& windows) {
  const WindowId parent = windows.Parent(state.Settings().target);
  if (parent == 0) return std::nullopt;
  return TakeWindow(state, windows, parent);
}

}  // namespace nolb
