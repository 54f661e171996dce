// The preview's off-screen surface: a bitmap in the display's own pixel
// format, selected into a memory device context with a font of its own, that
// the capture hook library draws each frame into.
#pragma once

#include <windows.h>

#include <cstdint>

namespace nolb {

struct sDrawBuffer {
  HDC memoryDc = nullptr;
  HBITMAP bitmap = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // The window whose device context the bitmap is compatible with.
  HWND window = nullptr;
  // The font the memory DC had before the surface's own; selected back at
  // teardown.
  HFONT savedFont = nullptr;

  sDrawBuffer() = default;
  ~sDrawBuffer() { Release(); }
  sDrawBuffer(const sDrawBuffer&) = delete;
  sDrawBuffer& operator=(const sDrawBuffer&) = delete;

  // Makes the surface fit window and size, rebuilding it only when one of
  // the three differs. A surface that cannot be built (a size below 1 or
  // too large, or a failing device context or bitmap) stays empty; the next
  // call tries again.
  void Prepare(HWND window, std::int32_t width, std::int32_t height);
  // Frees the font, the memory DC and the bitmap; the surface is empty.
  void Release();

  bool Empty() const { return memoryDc == nullptr; }
};

}  // namespace nolb
