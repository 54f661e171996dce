#include "preview/draw_buffer_win.h"

#include "preview/preview_geometry.h"
#include "ui/handles_win.h"

namespace nolb {

void sDrawBuffer::Prepare(HWND newWindow, std::int32_t newWidth, std::int32_t newHeight) {
  if (newWidth == width && newHeight == height && newWindow == window) return;
  Release();

  std::optional<std::int32_t> imageSize = SurfaceImageSize(newWidth, newHeight);
  if (!imageSize) return;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = newWidth;
  header.biHeight = newHeight;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(*imageSize);

  ui::WindowDc windowDc(newWindow);
  if (!windowDc) return;
  // No initial bits: a bitmap of the display's own pixel format.
  ui::GdiObject<HBITMAP> newBitmap(CreateDIBitmap(windowDc.Get(), &header, 0, nullptr, nullptr, 0));
  if (!newBitmap) return;
  ui::MemoryDc newDc(CreateCompatibleDC(windowDc.Get()));
  if (!newDc) return;
  SelectObject(newDc.Get(), newBitmap.Get());
  BITMAP description;
  if (GetObjectW(newBitmap.Get(), sizeof description, &description) == 0) return;

  memoryDc = newDc.Release();
  bitmap = newBitmap.Release();
  width = newWidth;
  height = newHeight;
  window = newWindow;
  // For whatever text the library draws into the surface.
  HFONT font = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                           VARIABLE_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック");
  savedFont = static_cast<HFONT>(SelectObject(memoryDc, font));
}

void sDrawBuffer::Release() {
  if (memoryDc) {
    // Selecting the saved font back hands over the surface's own.
    if (HGDIOBJ own = SelectObject(memoryDc, savedFont)) DeleteObject(own);
    DeleteDC(memoryDc);
    DeleteObject(bitmap);
  }
  memoryDc = nullptr;
  bitmap = nullptr;
  width = 0;
  height = 0;
  window = nullptr;
  savedFont = nullptr;
}

}  // namespace nolb
