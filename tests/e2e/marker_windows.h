// The panel's four capture-range markers as a test sees them: top-level
// windows of its process of class "TFormBit", 32 × 32 pixels each.
#pragma once

#include <windows.h>

#include <set>
#include <utility>
#include <vector>

#include "harness/e2e.h"

namespace e2e {

inline constexpr wchar_t kMarkerClass[] = L"TFormBit";
inline constexpr int kMarkerSide = 32;

inline std::vector<Window> MarkerWindows(const Panel& panel) {
  std::vector<Window> markers;
  for (const auto& window : panel.TopLevelWindows()) {
    if (window.ClassName() == kMarkerClass) markers.push_back(window);
  }
  return markers;
}

// Top-left corners of the markers, in no particular order (the test cannot
// tell the markers apart but by where they stand).
using Corners = std::set<std::pair<long, long>>;

inline Corners MarkerCorners(const Panel& panel) {
  Corners corners;
  for (const auto& marker : MarkerWindows(panel)) {
    RECT r = marker.Rect();
    corners.insert({r.left, r.top});
  }
  return corners;
}

// Where the markers stand around a rectangle of the screen: each outside one
// corner, touching it.
inline Corners CornersAround(long left, long top, long width, long height) {
  const long right = left + width;
  const long bottom = top + height;
  return {{left - kMarkerSide, top - kMarkerSide},
          {right, top - kMarkerSide},
          {left - kMarkerSide, bottom},
          {right, bottom}};
}

inline int VisibleMarkerCount(const Panel& panel) {
  int visible = 0;
  for (const auto& marker : MarkerWindows(panel)) visible += marker.Visible() ? 1 : 0;
  return visible;
}

// Section Main of a settings file with the capture rectangle and the range
// display.
inline std::string MainSettings(int x, int y, int width, int height, bool showRange) {
  return "[Main]\r\nX=" + std::to_string(x) + "\r\nY=" + std::to_string(y) + "\r\nsWidth=" +
         std::to_string(width) + "\r\nsHeight=" + std::to_string(height) +
         "\r\nShowRange=" + (showRange ? "1" : "0") + "\r\n";
}

}  // namespace e2e
