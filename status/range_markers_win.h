// The four capture-range markers of the main window (index 0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right), the image list of their
// pictures and the animation phase that makes their triangles blink.
#pragma once

#include <array>
#include <memory>

#include "status/marker_geometry.h"
#include "status/marker_images_win.h"
#include "status/marker_window_win.h"

namespace nolb {

class RangeMarkers {
 public:
  // Makes the four marker windows, hidden, without owner, each as large as
  // one picture of the image list.
  RangeMarkers();

  // Marker 0 stands for all four: they are shown and hidden together.
  bool Shown() const;
  // Shows markers 0 to 3 in order, without activating any.
  void ShowAll();
  void HideAll();
  void Place(const MarkerPlaces& places);

  // One animation tick: draws the current phase's pictures while the
  // markers are shown, then moves to the other phase in any case.
  void Animate();

 private:
  MarkerImages images_;
  std::array<std::unique_ptr<TFormBit>, 4> markers_;
  int phase_ = 0;
};

}  // namespace nolb
