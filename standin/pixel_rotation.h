// Turning a picture of 32-bit pixels by quarter turns.
#pragma once

#include <cstdint>
#include <span>

#include "frame_geometry.h"

namespace nolb::standin {

// Writes the picture `source` (size.width x size.height pixels, rows top to
// bottom, no padding) turned clockwise by QuarterTurns(rotateType) quarter
// turns into `target`, which holds RotatedSize(size, rotateType) pixels in
// the same layout. Returns false, writing nothing, when a buffer is too small.
bool RotatePixels(std::span<const std::uint32_t> source, Size size, std::int32_t rotateType,
                  std::span<std::uint32_t> target);

}  // namespace nolb::standin
