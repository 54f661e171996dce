#include "status/video_memory_win.h"

#include <ddraw.h>

namespace nolb {

// The capabilities record of DirectX 6 and 7 is 380 bytes.
static_assert(sizeof(DDCAPS_DX7) == 380);

VideoMemory::VideoMemory(HWND window) {
  if (DirectDrawCreate(nullptr, &directDraw_, nullptr) != DD_OK) {
    directDraw_ = nullptr;
    return;
  }
  directDraw_->SetCooperativeLevel(window, DDSCL_NORMAL);
}

VideoMemory::~VideoMemory() {
  if (directDraw_) directDraw_->Release();
}

std::optional<VideoMemoryBytes> VideoMemory::Query() const {
  if (!directDraw_) return std::nullopt;
  DDCAPS_DX7 caps{};
  caps.dwSize = sizeof caps;
  if (directDraw_->GetCaps(reinterpret_cast<DDCAPS*>(&caps), nullptr) != DD_OK) return std::nullopt;
  return VideoMemoryBytes{caps.dwVidMemTotal, caps.dwVidMemFree};
}

}  // namespace nolb
