// The DirectDraw object the status line reads the video memory figure from.
// It may be absent: creating it can fail, and the figure is then unknown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "ui/handles_win.h"

struct IDirectDraw;

namespace nolb {

struct VideoMemoryBytes {
  std::uint32_t total = 0;
  std::uint32_t free = 0;
};

class VideoMemory {
 public:
  // A DirectDraw object for the primary display driver, cooperative level
  // normal for the given window; none when it cannot be created. Takes about
  // 100 ms under Wine (loading ddraw.dll and creating the object).
  explicit VideoMemory(HWND window);
  ~VideoMemory();
  VideoMemory(const VideoMemory&) = delete;
  VideoMemory& operator=(const VideoMemory&) = delete;

  bool Available() const { return directDraw_ != nullptr; }
  // The driver's figures, or nothing without the object or when the
  // driver's capabilities cannot be read.
  std::optional<VideoMemoryBytes> Query() const;

 private:
  ui::Module ddraw_;  // released after the object
  IDirectDraw* directDraw_ = nullptr;
};

}  // namespace nolb
