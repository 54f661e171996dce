// A picture in memory: a 32-bit top-down DIB section selected into a memory
// device context of its own, made once and drawn from or into as often as
// needed. Each pixel is 0x00RRGGBB.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/handles_win.h"

namespace ui {

class MemoryBitmap {
 public:
  // Every pixel starts black.
  MemoryBitmap(int width, int height);
  ~MemoryBitmap();
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Dc() const { return dc_.Get(); }

  // Row-major, top row first. Call GdiFlush before reading what GDI drew.
  std::span<std::uint32_t> Pixels() { return {pixels_, PixelCount()}; }
  std::span<const std::uint32_t> Pixels() const { return {pixels_, PixelCount()}; }

  void Fill(std::uint32_t color);
  // Copies a width × height block from (sourceX, sourceY) of this picture to
  // (x, y) of dc.
  void DrawTo(HDC dc, int x, int y, int sourceX, int sourceY, int width, int height) const;

 private:
  std::size_t PixelCount() const { return static_cast<std::size_t>(width_) * height_; }

  int width_;
  int height_;
  std::uint32_t* pixels_ = nullptr;
  GdiObject<HBITMAP> bitmap_;
  MemoryDc dc_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace ui
