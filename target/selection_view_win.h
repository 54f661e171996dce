// One selection window's picture: its monitor's part of the frozen screen
// with the outline, the readout and the magnifier drawn over it. The window
// shows an off-screen copy of that picture; each change draws again only
// the areas that changed, first in the copy, then on the window, so nothing
// flickers and no GDI object is made for it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "target/selection_layout.h"
#include "ui/handles_win.h"
#include "ui/memory_bitmap_win.h"

namespace nolb {

// What no monitor shows, between and beside monitors of different sizes.
inline constexpr COLORREF kNothingShown = RGB(32, 32, 32);

// What is drawn over the picture, in screen coordinates.
struct SelectionDecorations {
  std::optional<Corners> outline;
  // The handles of a rectangle being adjusted.
  std::vector<WindowRect> handles;
  std::optional<OverlayPlace> overlay;
  std::vector<std::wstring> readout;
  // The magnifier's middle.
  Point cursor;
  bool operator==(const SelectionDecorations&) const = default;
};

class SelectionView;

// What the selection shows now: its outline, and the readout and (when on)
// the magnifier at the cursor on the monitor of the view given; nothing once
// it is made.
SelectionDecorations DecorationsOf(const ScreenSelection& selection, const SelectionView& atCursor, bool magnifier);

class SelectionView {
 public:
  // The window stands exactly on the monitor.
  SelectionView(HWND window, const WindowRect& monitor) : window_(window), monitor_(monitor) {}
  SelectionView(const SelectionView&) = delete;
  SelectionView& operator=(const SelectionView&) = delete;

  HWND Window() const { return window_; }
  const WindowRect& Monitor() const { return monitor_; }

  // The monitor's part of a new picture (whose top-left pixel is the screen
  // point origin), with nothing drawn over it; the readout's text in the font.
  void Prepare(const ui::MemoryBitmap& picture, Point origin, HFONT font);
  // Frees the copy; the view shows nothing until prepared again.
  void Release();

  // The readout's size for these lines. The line of the keys is the widest
  // for the usual numbers, so that the width stays as the numbers change.
  Size ReadoutSize(const std::vector<std::wstring>& lines) const;

  // Draws what changed and shows it on the window.
  void Show(const SelectionDecorations& next);
  // A paint of the window.
  void Paint(HDC dc, const RECT& area) const;
  // True at the first call after Prepare: the window is painted for the
  // first time and may become opaque.
  bool FirstPaint() { return !std::exchange(painted_, true); }

 private:
  // The areas of the monitor that the decorations cover.
  std::vector<WindowRect> AreasOf(const SelectionDecorations& d) const;
  void Draw(const SelectionDecorations& d);
  void DrawMagnifier(const WindowRect& magnifier, Point cursor);
  void DrawReadout(const WindowRect& box, const std::vector<std::wstring>& lines);
  // A screen rectangle on the window.
  RECT OnWindow(const WindowRect& r) const;

  HWND window_;
  WindowRect monitor_;
  const ui::MemoryBitmap* picture_ = nullptr;
  Point origin_;
  std::optional<ui::MemoryBitmap> copy_;
  // The font stays selected into the copy's device context until the copy goes.
  std::optional<ui::SelectedObject> font_;
  int lineHeight_ = 0;
  SelectionDecorations shown_;
  bool painted_ = false;
};

}  // namespace nolb
