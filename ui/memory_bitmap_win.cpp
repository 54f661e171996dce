#include "ui/memory_bitmap_win.h"

#include <algorithm>
#include <stdexcept>

#include "base/error.h"

namespace ui {

MemoryBitmap::MemoryBitmap(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("empty bitmap");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_.Reset(CreateCompatibleDC(nullptr));
  if (!bitmap_ || !bits || !dc_) throw nolb::Error("ビットマップを作成できません");
  pixels_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemoryBitmap::~MemoryBitmap() {
  // The bitmap leaves the device context before either is deleted.
  SelectObject(dc_.Get(), previous_);
}

void MemoryBitmap::Fill(std::uint32_t color) {
  GdiFlush();
  std::fill(pixels_, pixels_ + PixelCount(), color);
}

void MemoryBitmap::DrawTo(HDC dc, int x, int y, int sourceX, int sourceY, int width,
                          int height) const {
  BitBlt(dc, x, y, width, height, dc_.Get(), sourceX, sourceY, SRCCOPY);
}

}  // namespace ui
