#include "status/marker_pictures.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

constexpr int kSide = kMarkerPictureSide;

std::uint32_t At(const MarkerPicture& picture, int x, int y) { return picture[y * kSide + x]; }

// The picture mirrored left-right and/or top-bottom.
MarkerPicture Mirrored(const MarkerPicture& picture, bool horizontally, bool vertically) {
  MarkerPicture out;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      out[y * kSide + x] = At(picture, horizontally ? kSide - 1 - x : x, vertically ? kSide - 1 - y : y);
    }
  }
  return out;
}

// Every pixel of image 3 (triangle in the top-left corner), drawn out.
// '#' black outline, 'o' white fill; the rest of the picture is lime.
constexpr const char* kTopLeftTriangle[8] = {
    "########",
    "#ooooo#.",
    "#oooo#..",
    "#ooo#...",
    "#oo#....",
    "#o#.....",
    "##......",
    "#.......",
};

TEST(MarkerPictures, TopLeftTrianglePixelByPixel) {
  const MarkerPicture picture = MakeMarkerPicture(3);
  int outline = 0, fill = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const char cell = x < 8 && y < 8 ? kTopLeftTriangle[y][x] : '.';
      const std::uint32_t expected = cell == '#' ? kMarkerBlack : cell == 'o' ? kMarkerWhite : kMarkerLime;
      EXPECT_EQ(At(picture, x, y), expected) << "x " << x << ", y " << y;
      outline += At(picture, x, y) == kMarkerBlack;
      fill += At(picture, x, y) == kMarkerWhite;
    }
  }
  EXPECT_EQ(outline, 21);
  EXPECT_EQ(fill, 15);
}

// With image 3 known pixel by pixel, this pins down the other seven: the
// triangle sits in the named corner and the second set swaps the colours.
TEST(MarkerPictures, ImagesAreMirrorsAndColourSwapsOfEachOther) {
  const auto pictures = MakeMarkerPictures();
  const MarkerPicture& topLeft = pictures[3];
  EXPECT_EQ(pictures[0], Mirrored(topLeft, true, true));
  EXPECT_EQ(pictures[1], Mirrored(topLeft, false, true));
  EXPECT_EQ(pictures[2], Mirrored(topLeft, true, false));
  for (int i = 0; i < 4; ++i) {
    MarkerPicture swapped = pictures[i];
    for (std::uint32_t& pixel : swapped) {
      if (pixel == kMarkerWhite) pixel = kMarkerBlack;
      else if (pixel == kMarkerBlack) pixel = kMarkerWhite;
    }
    EXPECT_EQ(pictures[i + 4], swapped) << i;
  }
  for (int i = 0; i < 8; ++i) EXPECT_EQ(MakeMarkerPicture(i), pictures[i]) << i;
}

}  // namespace
}  // namespace nolb
