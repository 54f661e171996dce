#include "status/video_memory_win.h"

#include <ddraw.h>

namespace nolb {

// The capabilities record of DirectX 6 and 7 is 380 bytes.
static_assert(sizeof(DDCAPS_DX7) == 380);

VideoMemory::VideoMemory(HWND window) {
  // ddraw.dll is loaded here rather than with the program, from the system
  // folder only: the program's start does not wait for it.
  ddraw_.Reset(LoadLibraryExW(L"ddraw.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!ddraw_) return;
  auto create = reinterpret_cast<decltype(&DirectDrawCreate)>(
      reinterpret_cast<void*>(GetProcAddress(ddraw_.Get(), "DirectDrawCreate")));
  if (!create || create(nullptr, &directDraw_, nullptr) != DD_OK) {
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
