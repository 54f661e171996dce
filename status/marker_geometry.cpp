#include "status/marker_geometry.h"

#include <algorithm>
#include <limits>

namespace nolb {
namespace {

// A coordinate held within the range where a window of the given extent
// starting there still ends within 32 bits.
std::int32_t Coordinate(std::int64_t value, std::int32_t extent) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, kMin, kMax - std::max(extent, 0)));
}

}  // namespace

MarkerPlaces MarkersAroundTarget(const HookTarget& target, Point clientOrigin, Size marker) {
  const std::int64_t left = std::int64_t{clientOrigin.x} + target.x;
  const std::int64_t top = std::int64_t{clientOrigin.y} + target.y;
  const std::int64_t right = left + target.width;
  const std::int64_t bottom = top + target.height;
  const std::int32_t w = marker.width;
  const std::int32_t h = marker.height;
  return {{
      {Coordinate(left - w, w), Coordinate(top - h, h)},
      {Coordinate(right, w), Coordinate(top - h, h)},
      {Coordinate(left - w, w), Coordinate(bottom, h)},
      {Coordinate(right, w), Coordinate(bottom, h)},
  }};
}

MarkerPlaces ParkedMarkers(Point virtualScreenOrigin) {
  const Point parked{
      Coordinate(std::int64_t{virtualScreenOrigin.x} - kMarkerParkingDistance, kMarkerSize.width),
      Coordinate(std::int64_t{virtualScreenOrigin.y} - kMarkerParkingDistance, kMarkerSize.height)};
  return {parked, parked, parked, parked};
}

}  // namespace nolb
