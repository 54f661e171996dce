#include "standin/pixel_rotation.h"

#include <gtest/gtest.h>

#include <vector>

namespace nolb::standin {
namespace {

// A 3 x 2 picture whose pixels name their places:
//   1 2 3
//   4 5 6
const std::vector<std::uint32_t> kPicture = {1, 2, 3, 4, 5, 6};
constexpr Size kSize{3, 2};

std::vector<std::uint32_t> Rotated(std::int32_t rotateType) {
  std::vector<std::uint32_t> out(kPicture.size(), 0);
  EXPECT_TRUE(RotatePixels(kPicture, kSize, rotateType, out));
  return out;
}

TEST(RotatePixels, TurnsClockwiseByQuarterTurns) {
  EXPECT_EQ(Rotated(0), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
  // 2 wide, 3 high:  4 1 / 5 2 / 6 3
  EXPECT_EQ(Rotated(1), (std::vector<std::uint32_t>{4, 1, 5, 2, 6, 3}));
  EXPECT_EQ(Rotated(2), (std::vector<std::uint32_t>{6, 5, 4, 3, 2, 1}));
  // 2 wide, 3 high:  3 6 / 2 5 / 1 4
  EXPECT_EQ(Rotated(3), (std::vector<std::uint32_t>{3, 6, 2, 5, 1, 4}));
  EXPECT_EQ(Rotated(5), Rotated(1));
}

TEST(RotatePixels, FourQuarterTurnsGiveThePictureBack) {
  std::vector<std::uint32_t> picture(7 * 5);
  for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<std::uint32_t>(i);
  std::vector<std::uint32_t> current = picture;
  Size size{7, 5};
  for (int turn = 0; turn < 4; ++turn) {
    std::vector<std::uint32_t> next(current.size());
    ASSERT_TRUE(RotatePixels(current, size, 1, next));
    current = next;
    size = RotatedSize(size, 1);
  }
  EXPECT_EQ(current, picture);
}

TEST(RotatePixels, AgreesWithUnrotatedRect) {
  // Every pixel of the rotated picture comes from where UnrotatedRect says.
  std::vector<std::uint32_t> picture(5 * 4);
  for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<std::uint32_t>(i);
  const Size size{5, 4};
  for (std::int32_t turns = 0; turns < 4; ++turns) {
    const Size rotated = RotatedSize(size, turns);
    std::vector<std::uint32_t> out(picture.size());
    ASSERT_TRUE(RotatePixels(picture, size, turns, out));
    for (std::int32_t v = 0; v < rotated.height; ++v) {
      for (std::int32_t u = 0; u < rotated.width; ++u) {
        const Rect from = UnrotatedRect({u, v, 1, 1}, size, turns);
        ASSERT_EQ(out[v * rotated.width + u], picture[from.y * size.width + from.x])
            << "turns " << turns << " at " << u << "," << v;
      }
    }
  }
}

TEST(RotatePixels, RefusesBuffersThatAreTooSmall) {
  std::vector<std::uint32_t> small(5, 0xAB);
  EXPECT_FALSE(RotatePixels(kPicture, kSize, 1, small));
  EXPECT_EQ(small, std::vector<std::uint32_t>(5, 0xAB));
  EXPECT_FALSE(RotatePixels(std::span(kPicture).first(4), kSize, 0, small));
}

}  // namespace
}  // namespace nolb::standin
