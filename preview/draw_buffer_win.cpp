#include "preview/draw_buffer_win.h"

#include "preview/preview_geometry.h"

namespace nolb {

void sDrawBuffer::Prepare(HWND window, std::int32_t width, std::int32_t height) {
  if (width == width_ && height == height_ && window == window_) return;
  Release();

  std::optional<std::int32_t> imageSize = SurfaceImageSize(width, height);
  if (!imageSize) return;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(*imageSize);

  ui::WindowDc windowDc(window);
  if (!windowDc) return;
  // No initial bits: a bitmap of the display's own pixel format.
  ui::GdiObject<HBITMAP> bitmap(CreateDIBitmap(windowDc.Get(), &header, 0, nullptr, nullptr, 0));
  if (!bitmap) return;
  ui::MemoryDc memoryDc(CreateCompatibleDC(windowDc.Get()));
  if (!memoryDc) return;
  SelectObject(memoryDc.Get(), bitmap.Get());
  BITMAP description;
  if (GetObjectW(bitmap.Get(), sizeof description, &description) == 0) return;

  bitmap_ = std::move(bitmap);
  memoryDc_ = std::move(memoryDc);
  width_ = width;
  height_ = height;
  window_ = window;
  font_.Select(memoryDc_.Get(),
               CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                           VARIABLE_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック"));
}

void sDrawBuffer::Release() {
  font_.Reset();
  memoryDc_.Reset();
  bitmap_.Reset();
  width_ = 0;
  height_ = 0;
  window_ = nullptr;
}

}  // namespace nolb
