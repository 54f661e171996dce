// TFormSelect: the selection window. A borderless, topmost window over every
// monitor that shows a frozen picture of them under a cross cursor;
// an inverted outline follows the mouse until a press (position) or a
// release (range) chooses the rectangle. Created once at start-up, hidden
// and transparent between uses, shown modally for each selection.
#pragma once

#include <windows.h>

#include <optional>

#include "target/screen_selection.h"
#include "ui/form_win.h"
#include "ui/memory_bitmap_win.h"

namespace nolb {

class TFormSelect : public ui::Form {
 public:
  TFormSelect();
  ~TFormSelect() override;

  // Makes the window, hidden and fully transparent.
  void Create();

  // Runs one selection and returns once the window has closed again. The
  // size is that of the rectangle placed in position mode.
  const ScreenSelection& Select(SelectMode mode, Size size);

  void FormDblClick(ui::Component* sender);

 protected:
  void FormCreate() override;
  // Closing only hides the window.
  bool FormCloseQuery() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Covers the virtual screen and freezes its picture. The picture is taken
  // before the window shows, so it never holds the window's own pixels,
  // whether or not the system leaves a transparent window out of a copy
  // of the screen.
  void FormShow();
  void FormClose();
  void Paint();
  void MouseDown(MouseButton button, LPARAM at);
  void MouseUp(MouseButton button, LPARAM at);
  // A mouse event's client point in screen coordinates, and an outline in
  // screen coordinates on the window.
  Point PointOf(LPARAM at) const;
  Corners OnWindow(const Corners& outline) const;
  // Inverts the step's outlines on the window, then closes it when asked.
  void Perform(const SelectionStep& step);

  ScreenSelection selection_;
  std::optional<ui::MemoryBitmap> picture_;
  bool opaque_ = false;
  // The virtual screen's top-left corner, where the window stands.
  Point origin_;
};

// The selection window, for the main window.
extern TFormSelect* FormSelect;

// Draws or erases one outline: a not-XOR polyline with the context's
// default black pen, which inverts every pixel of the outline once.
void InvertRectOutline(HDC dc, const Corners& outline);

}  // namespace nolb
