// Draws the redirected picture for NOLB_BitBlt: the target's rectangle taken
// from the screen, turned, fitted into the destination, with the cursor
// when asked. Each drawing thread keeps its own memory DC and DIB section
// between frames; they are freed by ReleaseAll (NOLB_BitBltUninit, unload)
// or when their thread ends.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>

#include "frame_geometry.h"
#include "library_state.h"

namespace nolb::standin {

class FrameRenderer {
 public:
  FrameRenderer();
  ~FrameRenderer();
  FrameRenderer(const FrameRenderer&) = delete;
  FrameRenderer& operator=(const FrameRenderer&) = delete;

  // Fills `area` of `destination` with the picture that `setup` describes.
  // Returns false when the target cannot be drawn (a window that no longer
  // exists, a picture too large to hold); the area is then black.
  bool Draw(HDC destination, Rect area, const CaptureSetup& setup);

  void ReleaseAll();
  void ReleaseThisThread();

 private:
  struct ThreadCache;
  std::shared_ptr<ThreadCache> CacheOfThisThread();

  std::mutex mutex_;
  std::map<DWORD, std::shared_ptr<ThreadCache>> caches_;
};

}  // namespace nolb::standin
