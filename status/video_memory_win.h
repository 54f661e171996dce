// The DirectDraw object the status line reads the video memory figure from.
// It may be absent: creating it can fail, and the figure is then unknown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

struct IDirectDraw;

namespace nolb {

struct VideoMemoryBytes {
  std::uint32_t total = 0;
  std::uint32_t free = 0;
};

class VideoMemory {
 public:
  // A DirectDraw object for the primary display driver, cooperative level
  // normal for the given window; none when it cannot be created.
  explicit VideoMemory(HWND window);
  ~VideoMemory();
  VideoMemory(const VideoMemory&) = delete;
  VideoMemory& operator=(const VideoMemory&) = delete;

  bool Available() const { return directDraw_ != nullptr; }
  // The driver's figures, or nothing without the object or when the
  // driver's capabilities cannot be read.
  std::optional<VideoMemoryBytes> Query() const;

 private:
  IDirectDraw* directDraw_ = nullptr;
};

}  // namespace nolb
