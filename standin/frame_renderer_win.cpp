#include "frame_renderer_win.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pixel_rotation.h"
#include "ui/handles_win.h"

namespace nolb::standin {

namespace {

BITMAPINFO TopDownInfo(Size size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The screen position of the rectangle's top-left corner: client
// coordinates of the target window, or screen coordinates when the target
// is the desktop (or none). Empty when the window no longer exists.
std::optional<POINT> SourceOrigin(const CaptureSetup& setup) {
  const HWND target = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(setup.target));
  POINT origin{setup.x, setup.y};
  if (target == nullptr || target == GetDesktopWindow()) return origin;
  if (!IsWindow(target) || !ClientToScreen(target, &origin)) return std::nullopt;
  return origin;
}

void FillBlack(HDC dc, Rect r) {
  if (!r.Empty()) PatBlt(dc, r.x, r.y, r.width, r.height, BLACKNESS);
}

Rect Offset(Rect r, Rect by) { return {r.x + by.x, r.y + by.y, r.width, r.height}; }

}  // namespace

// One thread's drawing surface: a 32-bit top-down DIB section selected into
// a memory DC, sized to the last captured part; and the rotation buffer.
struct FrameRenderer::ThreadCache {
  std::mutex mutex;
  ui::MemoryDc dc;
  ui::GdiObject<HBITMAP> bitmap;
  HGDIOBJ originalBitmap = nullptr;
  std::uint32_t* pixels = nullptr;
  Size size;
  std::vector<std::uint32_t> rotated;
  HCURSOR lastCursor = nullptr;
  POINT lastHotspot{};

  ~ThreadCache() { Release(); }

  void Release() {
    if (dc && originalBitmap) SelectObject(dc.Get(), originalBitmap);
    originalBitmap = nullptr;
    bitmap.Reset();
    dc.Reset();
    pixels = nullptr;
    size = {};
    rotated = {};
  }

  bool Prepare(Size wanted) {
    if (dc && wanted == size) return true;
    Release();
    ui::MemoryDc newDc(CreateCompatibleDC(nullptr));
    const BITMAPINFO info = TopDownInfo(wanted);
    void* bits = nullptr;
    ui::GdiObject<HBITMAP> newBitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!newDc || !newBitmap || !bits) return false;
    originalBitmap = SelectObject(newDc.Get(), newBitmap.Get());
    dc = std::move(newDc);
    bitmap = std::move(newBitmap);
    pixels = static_cast<std::uint32_t*>(bits);
    size = wanted;
    return true;
  }

  std::span<const std::uint32_t> Pixels() const {
    return {pixels, static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height)};
  }

  // GetIconInfo makes two bitmaps; ask once per cursor shape.
  POINT HotspotOf(HCURSOR cursor) {
    if (cursor == lastCursor) return lastHotspot;
    ICONINFO icon{};
    if (!GetIconInfo(cursor, &icon)) return POINT{};
    if (icon.hbmMask) DeleteObject(icon.hbmMask);
    if (icon.hbmColor) DeleteObject(icon.hbmColor);
    lastCursor = cursor;
    lastHotspot = POINT{static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
    return lastHotspot;
  }

  // The current cursor, drawn where it is on the screen relative to the
  // captured part, whose top-left corner is at `origin` on the screen.
  void DrawCursor(POINT origin) {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor) return;
    const POINT hotspot = HotspotOf(info.hCursor);
    DrawIconEx(dc.Get(), info.ptScreenPos.x - hotspot.x - origin.x,
               info.ptScreenPos.y - hotspot.y - origin.y, info.hCursor, 0, 0, 0, nullptr,
               DI_NORMAL);
  }
};

FrameRenderer::FrameRenderer() = default;
FrameRenderer::~FrameRenderer() = default;

std::shared_ptr<FrameRenderer::ThreadCache> FrameRenderer::CacheOfThisThread() {
  std::lock_guard lock(mutex_);
  auto& cache = caches_[GetCurrentThreadId()];
  if (!cache) cache = std::make_shared<ThreadCache>();
  return cache;
}

void FrameRenderer::ReleaseAll() {
  std::map<DWORD, std::shared_ptr<ThreadCache>> taken;
  {
    std::lock_guard lock(mutex_);
    taken.swap(caches_);
  }
  // A thread may be drawing with its cache right now: wait for it.
  for (auto& [thread, cache] : taken) {
    std::lock_guard lock(cache->mutex);
    cache->Release();
  }
}

void FrameRenderer::ReleaseThisThread() {
  std::shared_ptr<ThreadCache> cache;
  {
    std::lock_guard lock(mutex_);
    auto found = caches_.find(GetCurrentThreadId());
    if (found == caches_.end()) return;
    cache = std::move(found->second);
    caches_.erase(found);
  }
  std::lock_guard lock(cache->mutex);
  cache->Release();
}

bool FrameRenderer::Draw(HDC destination, Rect area, const CaptureSetup& setup) {
  const std::shared_ptr<ThreadCache> cache = CacheOfThisThread();
  std::lock_guard lock(cache->mutex);

  const Size picture{setup.width, setup.height};
  const std::optional<POINT> origin = SourceOrigin(setup);
  const FitMode mode{.keepAspect = setup.fixAspect != 0,
                     .shrink = setup.useDirectDraw != 0,
                     .zoom = setup.zoom != 0};
  Placement placement;
  if (origin) {
    placement = FitPicture(RotatedSize(picture, setup.rotateType), {area.width, area.height}, mode);
  }
  for (const Rect& bar : UncoveredBars({area.width, area.height}, placement.destination)) {
    FillBlack(destination, Offset(bar, area));
  }
  if (placement.destination.Empty()) return origin.has_value();

  const Rect drawn = Offset(placement.destination, area);
  const Rect part = UnrotatedRect(placement.source, picture, setup.rotateType);
  const POINT partOrigin{origin->x + part.x, origin->y + part.y};
  const DWORD screenCopy = SRCCOPY | (setup.showAlphaWindow ? CAPTUREBLT : 0);
  const ui::WindowDc screen(nullptr);
  const int previousMode = SetStretchBltMode(destination, COLORONCOLOR);
  bool drawnOk = false;
  if (QuarterTurns(setup.rotateType) == 0 && !setup.showCursor) {
    // Nothing to add or turn: straight from the screen into the destination.
    drawnOk = StretchBlt(destination, drawn.x, drawn.y, drawn.width, drawn.height, screen.Get(),
                         partOrigin.x, partOrigin.y, part.width, part.height, screenCopy) != FALSE;
  } else if (!cache->Prepare({part.width, part.height})) {
    FillBlack(destination, drawn);
  } else {
    BitBlt(cache->dc.Get(), 0, 0, part.width, part.height, screen.Get(), partOrigin.x,
           partOrigin.y, screenCopy);
    if (setup.showCursor) cache->DrawCursor(partOrigin);
    if (QuarterTurns(setup.rotateType) == 0) {
      drawnOk = StretchBlt(destination, drawn.x, drawn.y, drawn.width, drawn.height,
                           cache->dc.Get(), 0, 0, part.width, part.height, SRCCOPY) != FALSE;
    } else {
      GdiFlush();  // the DIB section's pixels are complete before they are read
      const Size turned = RotatedSize(cache->size, setup.rotateType);
      cache->rotated.resize(cache->Pixels().size());
      RotatePixels(cache->Pixels(), cache->size, setup.rotateType, cache->rotated);
      const BITMAPINFO info = TopDownInfo(turned);
      drawnOk = StretchDIBits(destination, drawn.x, drawn.y, drawn.width, drawn.height, 0, 0,
                              turned.width, turned.height, cache->rotated.data(), &info,
                              DIB_RGB_COLORS, SRCCOPY) != 0;
    }
  }
  if (previousMode != 0) SetStretchBltMode(destination, previousMode);
  return drawnOk;
}

}  // namespace nolb::standin
