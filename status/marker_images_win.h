// The image list of the capture-range markers: the eight marker pictures,
// made once at start-up as one strip in memory, drawn by index.
#pragma once

#include <windows.h>

#include "ui/memory_bitmap_win.h"

namespace nolb {

class MarkerImages {
 public:
  MarkerImages();

  int Width() const;
  int Height() const;
  // Draws picture 0-7 with its top-left corner at (x, y) of dc.
  void Draw(int image, HDC dc, int x, int y) const;

 private:
  ui::MemoryBitmap strip_;  // the pictures side by side, image i at x = i × width
};

}  // namespace nolb
