// The eight pictures of the capture-range markers, made by code. Each is
// lime (the markers' transparent colour) but for a small right-angled
// triangle in one corner: an outline of one colour around a fill of the
// other. Images 0-3 are white with a black outline, 4-7 the reverse; image
// i and i + 4 belong to marker window i, and the triangle sits in the
// corner of the image that faces the corner of the capture range the
// marker stands at (image 0: bottom-right, 1: bottom-left, 2: top-right,
// 3: top-left).
#pragma once

#include <array>
#include <cstdint>

#include "status/marker_geometry.h"

namespace nolb {

inline constexpr int kMarkerPictureSide = kMarkerSize.width;
static_assert(kMarkerSize.width == kMarkerSize.height, "marker pictures are square");

inline constexpr int kMarkerPictureCount = 8;
// Length of the triangle's two legs, in pixels.
inline constexpr int kMarkerTriangleLeg = 8;

// Colours as 0x00RRGGBB.
inline constexpr std::uint32_t kMarkerLime = 0x0000FF00;
inline constexpr std::uint32_t kMarkerWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kMarkerBlack = 0x00000000;

// Row-major, top row first, each pixel 0x00RRGGBB: the layout of a 32-bit
// top-down device-independent bitmap.
using MarkerPicture = std::array<std::uint32_t, kMarkerPictureSide * kMarkerPictureSide>;

// Image 0-7; any other index is taken modulo 8.
MarkerPicture MakeMarkerPicture(int image);

std::array<MarkerPicture, kMarkerPictureCount> MakeMarkerPictures();

}  // namespace nolb
