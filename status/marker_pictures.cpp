#include "status/marker_pictures.h"

namespace nolb {

MarkerPicture MakeMarkerPicture(int image) {
  image = ((image % kMarkerPictureCount) + kMarkerPictureCount) % kMarkerPictureCount;
  const int corner = image % 4;
  const bool fromRight = corner == 0 || corner == 2;
  const bool fromBottom = corner == 0 || corner == 1;
  const bool lightFill = image < 4;
  const std::uint32_t fill = lightFill ? kMarkerWhite : kMarkerBlack;
  const std::uint32_t outline = lightFill ? kMarkerBlack : kMarkerWhite;

  MarkerPicture picture;
  picture.fill(kMarkerLime);
  constexpr int kLast = kMarkerTriangleLeg - 1;
  // (a, b): distance from the triangle's corner along the row and the column.
  for (int b = 0; b <= kLast; ++b) {
    for (int a = 0; a + b <= kLast; ++a) {
      const bool edge = a == 0 || b == 0 || a + b == kLast;
      const int x = fromRight ? kMarkerPictureSide - 1 - a : a;
      const int y = fromBottom ? kMarkerPictureSide - 1 - b : b;
      picture[y * kMarkerPictureSide + x] = edge ? outline : fill;
    }
  }
  return picture;
}

std::array<MarkerPicture, kMarkerPictureCount> MakeMarkerPictures() {
  std::array<MarkerPicture, kMarkerPictureCount> pictures;
  for (int i = 0; i < kMarkerPictureCount; ++i) pictures[i] = MakeMarkerPicture(i);
  return pictures;
}

}  // namespace nolb
