// TFormBit: one capture-range marker. A tiny borderless window that stays on
// top of all normal windows, never becomes active, lets mouse input through
// to the windows below, and shows its picture `ImageBit` with every lime
// pixel see-through. It is not hidden when another window is minimised.
#pragma once

#include <windows.h>

#include <optional>

#include "base/window_system.h"
#include "ui/form_win.h"
#include "ui/memory_bitmap_win.h"

namespace nolb {

class MarkerImages;

class TFormBit : public ui::Form {
 public:
  TFormBit();
  ~TFormBit() override;

  // Makes the window, hidden, without owner, width × height pixels (the
  // picture's size). Its 200 ms timer runs while it is shown.
  void Create(int width, int height);

  // Shows the window without activating it. Hide, and closing the window,
  // only hide it: it lives until the object goes.
  void ShowWithoutActivating();
  void Hide();
  void MoveTo(Point topLeft);

  // Draws one picture of the image list at (0, 0) of ImageBit.
  void DrawImage(const MarkerImages& images, int image);

  void TimerCheckTimer(ui::Component* sender);

 protected:
  void FormCreate() override;
  bool FormCloseQuery() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  std::optional<ui::MemoryBitmap> imageBit_;  // ImageBit: the picture the window shows
  ui::GdiObject<HBRUSH> background_;
};

}  // namespace nolb
