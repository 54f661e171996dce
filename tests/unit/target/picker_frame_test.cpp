#include "target/picker_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace nolb {
namespace {

// A laptop at 150 % (1920 x 1080 pixels, 1280 x 720 scaled) as primary and
// a 1920 x 1080 monitor at 100 % right of it.
const std::vector<MonitorScaling> kLaptopAndMonitor{{{0, 0, 1280, 720}, {0, 0, 1920, 1080}},
                                                    {{1920, 0, 1920, 1080}, {1920, 0, 1920, 1080}}};

TEST(PickerFrameBands, EachWindowIsFramedAtItsOwnMonitorsScale) {
  using Bands = std::vector<WindowRect>;
  // On the laptop: half as large again, whichever monitor the panel is on.
  EXPECT_EQ(PickerFrameBands(kLaptopAndMonitor, {100, 100, 200, 100}),
            (Bands{{150, 150, 300, 3}, {150, 297, 300, 3}, {150, 153, 3, 144}, {447, 153, 3, 144}}));
  // On the monitor at 100 %: as the window says.
  EXPECT_EQ(PickerFrameBands(kLaptopAndMonitor, {2000, 100, 200, 100}),
            (Bands{{2000, 100, 200, 3}, {2000, 197, 200, 3}, {2000, 103, 3, 94}, {2197, 103, 3, 94}}));
  EXPECT_TRUE(PickerFrameBands(kLaptopAndMonitor, {100, 100, 0, 50}).empty()) << "no client area, no frame";
}

// Under six pixels high or wide the bands cover the frame once, inside the area.
TEST(PickerFrameBands, ATinyAreaIsFramedInsideEachPixelOnce) {
  for (const Size s : {Size{1, 1}, Size{2, 9}, Size{5, 5}, Size{6, 6}, Size{9, 4}, Size{7, 7}}) {
    std::vector<std::pair<int, int>> frame, banded;  // (y, x), row by row
    for (int y = 100; y < 100 + s.height; ++y) {
      for (int x = 0; x < s.width; ++x) {
        if (x < 3 || y < 103 || x >= s.width - 3 || y >= 97 + s.height) frame.push_back({y, 2000 + x});
      }
    }
    for (const WindowRect& b : PickerFrameBands(kLaptopAndMonitor, {2000, 100, s.width, s.height})) {
      for (int y = b.top; y < b.top + b.height; ++y) {
        for (int x = b.left; x < b.left + b.width; ++x) banded.push_back({y, x});
      }
    }
    std::sort(banded.begin(), banded.end());
    EXPECT_EQ(banded, frame) << s.width << " x " << s.height;
  }
}

}  // namespace
}  // namespace nolb
