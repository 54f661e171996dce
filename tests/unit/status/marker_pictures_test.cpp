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
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const char cell = x < 8 && y < 8 ? kTopLeftTriangle[y][x] : '.';
      const std::uint32_t expected = cell == '#' ? kMarkerBlack : cell == 'o' ? kMarkerWhite : kMarkerLime;
      EXPECT_EQ(At(picture, x, y), expected) << "x " << x << ", y " << y;
    }
  }
}

TEST(MarkerPictures, CountsColoursAndCornerOfEachImage) {
  struct Expected {
    int cornerX, cornerY;
    std::uint32_t fill, outline;
  };
  const Expected expected[8] = {
      {31, 31, kMarkerWhite, kMarkerBlack}, {0, 31, kMarkerWhite, kMarkerBlack},
      {31, 0, kMarkerWhite, kMarkerBlack},  {0, 0, kMarkerWhite, kMarkerBlack},
      {31, 31, kMarkerBlack, kMarkerWhite}, {0, 31, kMarkerBlack, kMarkerWhite},
      {31, 0, kMarkerBlack, kMarkerWhite},  {0, 0, kMarkerBlack, kMarkerWhite},
  };
  const auto pictures = MakeMarkerPictures();
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const MarkerPicture& picture = pictures[i];
    int fill = 0, outline = 0, lime = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const std::uint32_t pixel = At(picture, x, y);
        const bool nearCorner = std::abs(x - expected[i].cornerX) + std::abs(y - expected[i].cornerY) <= 7;
        if (pixel == expected[i].fill) {
          ++fill;
          EXPECT_TRUE(nearCorner);
        } else if (pixel == expected[i].outline) {
          ++outline;
          EXPECT_TRUE(nearCorner);
        } else {
          EXPECT_EQ(pixel, kMarkerLime);
          EXPECT_FALSE(nearCorner);
          ++lime;
        }
      }
    }
    EXPECT_EQ(fill, 15);
    EXPECT_EQ(outline, 21);
    EXPECT_EQ(lime, kSide * kSide - 36);
    EXPECT_EQ(At(picture, expected[i].cornerX, expected[i].cornerY), expected[i].outline);
    EXPECT_EQ(picture, MakeMarkerPicture(i));
  }
}

TEST(MarkerPictures, OutlineEnclosesTheFill) {
  for (int i = 0; i < 8; ++i) {
    const MarkerPicture picture = MakeMarkerPicture(i);
    const std::uint32_t fill = i < 4 ? kMarkerWhite : kMarkerBlack;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (At(picture, x, y) != fill) continue;
        ASSERT_TRUE(x > 0 && x < kSide - 1 && y > 0 && y < kSide - 1) << i;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          EXPECT_NE(At(picture, x + dx, y + dy), kMarkerLime) << "image " << i << " at " << x << "," << y;
        }
      }
    }
  }
}

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
}

}  // namespace
}  // namespace nolb
