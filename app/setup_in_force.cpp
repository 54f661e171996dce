#include "app/setup_in_force.h"

namespace nolb {

CaptureSettings SetupInForce::InForce() const {
  std::lock_guard lock(mutex_);
  return inForce_;
}

void SetupInForce::SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom,
                           std::int32_t showCursor, std::int32_t showAlphaWindow, std::int32_t rotateType) {
  library_.SetMode(fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType);
  std::lock_guard lock(mutex_);
  inForce_.fixAspect = fixAspect != 0;
  inForce_.useDirectDraw = useDirectDraw;
  inForce_.zoom = zoom != 0;
  inForce_.showCursor = showCursor != 0;
  inForce_.showAlphaWindow = showAlphaWindow != 0;
  inForce_.rotateType = rotateType;
}

void SetupInForce::SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
  library_.SetTarget(window, x, y, width, height);
  std::lock_guard lock(mutex_);
  inForce_.target = window;
  inForce_.x = x;
  inForce_.y = y;
  inForce_.width = width;
  inForce_.height = height;
}

}  // namespace nolb
