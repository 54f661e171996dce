#include "status/marker_images_win.h"

#include <algorithm>
#include <stdexcept>

#include "status/marker_pictures.h"

namespace nolb {

MarkerImages::MarkerImages()
    : strip_(kMarkerPictureSide * kMarkerPictureCount, kMarkerPictureSide) {
  const auto pictures = MakeMarkerPictures();
  auto pixels = strip_.Pixels();
  for (int image = 0; image < kMarkerPictureCount; ++image) {
    const MarkerPicture& picture = pictures[static_cast<std::size_t>(image)];
    for (int row = 0; row < kMarkerPictureSide; ++row) {
      auto from = picture.begin() + row * kMarkerPictureSide;
      std::copy(from, from + kMarkerPictureSide,
                pixels.begin() + row * strip_.Width() + image * kMarkerPictureSide);
    }
  }
}

int MarkerImages::Width() const { return kMarkerPictureSide; }

int MarkerImages::Height() const { return kMarkerPictureSide; }

void MarkerImages::Draw(int image, HDC dc, int x, int y) const {
  if (image < 0 || image >= kMarkerPictureCount) throw std::out_of_range("no such marker picture");
  strip_.DrawTo(dc, x, y, image * kMarkerPictureSide, 0, kMarkerPictureSide, kMarkerPictureSide);
}

}  // namespace nolb
