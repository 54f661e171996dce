// Sizes of the preview: the window around its picture and the memory the
// picture's off-screen surface takes. Any pair of 32-bit sizes is handled;
// nothing overflows.
#pragma once

#include <cstdint>
#include <optional>

namespace nolb {

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const PixelSize&) const = default;
};

// The window is the picture plus a 1-pixel frame on each side; a sum beyond
// the 32-bit range stays at its largest value.
PixelSize PreviewWindowSize(std::int32_t pictureWidth, std::int32_t pictureHeight);

// Bytes of a surface of 32 bits per pixel, or nothing when no such surface
// can exist: a width or height below 1, or more bytes than a signed 32-bit
// count holds.
std::optional<std::int32_t> SurfaceImageSize(std::int32_t width, std::int32_t height);

}  // namespace nolb
