// The preview's off-screen surface: a bitmap in the display's own pixel
// format, selected into a memory device context with a font of its own, that
// the capture hook library draws each frame into.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/handles_win.h"

namespace nolb {

class sDrawBuffer {
 public:
  // Makes the surface fit window and size, rebuilding it only when one of
  // the three differs. A surface that cannot be built (a size below 1 or
  // too large, or a failing device context or bitmap) stays empty; the next
  // call tries again.
  void Prepare(HWND window, std::int32_t width, std::int32_t height);
  // Frees the font, the memory DC and the bitmap; the surface is empty.
  void Release();

  bool Empty() const { return !memoryDc_; }
  HDC MemoryDc() const { return memoryDc_.Get(); }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }

 private:
  // Each object is released by its owner on every path; declared in the
  // order they are made, so that they go the other way round.
  ui::GdiObject<HBITMAP> bitmap_;
  ui::MemoryDc memoryDc_;
  // For whatever text the library draws into the surface; the font the
  // memory DC had before goes back in before this one is deleted.
  ui::OwnedSelection<HFONT> font_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  // The window whose device context the bitmap is compatible with.
  HWND window_ = nullptr;
};

}  // namespace nolb
