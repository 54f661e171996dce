// TFormSelect: the selection. One borderless, topmost window per monitor,
// each exactly on its monitor and showing its frozen picture under a cross
// cursor, shown and closed together: this form's window on the primary
// monitor and a pane on each other one. An inverted outline follows the
// mouse or the arrow keys until a press or Enter (position) or a release or
// the second Enter (range) chooses the rectangle; with Ctrl it shows the
// window under the cursor, which a click takes. A readout of the numbers
// and a magnifier follow the cursor. Created once at start-up, hidden and
// transparent between uses, shown modally for each selection.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "target/screen_selection.h"
#include "target/selection_view_win.h"
#include "ui/form_win.h"
#include "ui/memory_bitmap_win.h"

namespace nolb {

class SelectPane;

class TFormSelect : public ui::Form {
 public:
  TFormSelect();
  ~TFormSelect() override;

  // Makes the window, hidden and fully transparent.
  void Create();

  // Runs one selection and returns once the windows have closed again. The
  // size is that of the rectangle placed in position mode; the start gives
  // the ratio Shift keeps and the rectangle adjusted.
  const ScreenSelection& Select(SelectMode mode, Size size, const SelectionStart& start = {});

  void FormDblClick(ui::Component* sender);

  // A message of any of the selection's windows, the panes' included.
  std::optional<LRESULT> WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Reads and writes section Select: whether the magnifier shows.
  void FormCreate() override;
  void FormDestroy() override;
  // Closing only hides the windows.
  bool FormCloseQuery() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Freezes the picture of every monitor and puts a window on each. The
  // picture is taken before the windows show, so it never holds their own
  // pixels, whether or not the system leaves a transparent window out of a
  // copy of the screen; so are the windows on the screen, for Ctrl.
  void FormShow(SelectMode mode, Size size, const SelectionStart& start);
  void FormClose();
  // The mouse, held by one of the selection's windows, is let go.
  void ReleaseMouse();
  void ShowPanes(bool show);
  void Paint(HWND window);
  void MouseDown(HWND window, MouseButton button);
  void MouseUp();
  // True when the key is one of the selection's.
  bool KeyDown(WPARAM key, LPARAM flags);
  // The cursor moved by an arrow key, by ten pixels with Shift; in adjust
  // mode the rectangle instead, or with Ctrl its right or bottom side.
  void StepCursor(std::int32_t dx, std::int32_t dy);
  // Draws the outline, the readout and the magnifier as the selection
  // stands now, on every window.
  void Refresh();
  SelectionView* ViewOf(HWND window);
  // The view of the monitor that shows the point, else the nearest one.
  const SelectionView& ViewAt(Point at) const;

  ScreenSelection selection_;
  std::optional<ui::MemoryBitmap> picture_;
  // The virtual screen's top-left corner: the picture's first pixel.
  Point origin_;
  std::vector<WindowRect> monitors_;
  std::vector<std::unique_ptr<SelectPane>> panes_;
  // One per monitor: this window's first, then the panes'.
  std::vector<std::unique_ptr<SelectionView>> views_;
  bool magnifier_ = true;
};

// The selection window, for the main window.
extern TFormSelect* FormSelect;

}  // namespace nolb
