#include "target/target_selection.h"

namespace nolb {
namespace {

// The window with its whole client area as target and rectangle.
TargetView TakeWholeClientArea(CaptureState& state, WindowSystem& windows, WindowId window,
                               Size size) {
  state.Update([&](CaptureSettings& s, DesktopRect&) {
    s.target = window;
    s.x = 0;
    s.y = 0;
    s.width = size.width;
    s.height = size.height;
  });
  return TargetView{window, TargetCaption(windows, window), 0, 0, size.width, size.height};
}

}  // namespace

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

PickResult PickWindowUnderCursor(CaptureState& state, WindowSystem& windows) {
  if (std::optional<Point> cursor = windows.CursorPos()) {
    if (WindowId window = windows.WindowFromPoint(*cursor)) {
      if (std::optional<Size> size = windows.ClientSize(window)) {
        return PickResult{TakeWholeClientArea(state, windows, window, *size), true};
      }
    }
  }
  return PickResult{SelectDesktop(state, windows), false};
}

std::optional<TargetView> SelectParent(CaptureState& state, WindowSystem& windows) {
  const WindowId parent = windows.Parent(state.Settings().target);
  if (parent == 0) return std::nullopt;
  std::optional<Size> size = windows.ClientSize(parent);
  if (!size) return std::nullopt;
  return TakeWholeClientArea(state, windows, parent, *size);
}

}  // namespace nolb
