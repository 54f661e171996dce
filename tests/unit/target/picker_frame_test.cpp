#include "target/picker_frame.h"

#include <gtest/gtest.h>

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

// Under six pixels high or wide the bands cover the area once, inside it.
TEST(PickerFrameBands, ATinyAreaIsFramedInsideEachPixelOnce) {
  for (const Size size : {Size{1, 1}, Size{2, 9}, Size{5, 5}, Size{6, 6}, Size{9, 4}, Size{7, 7}}) {
    std::vector<int> covered(static_cast<size_t>(size.width * size.height));
    for (const WindowRect& b : PickerFrameBands(kLaptopAndMonitor, {2000, 100, size.width, size.height})) {
      ASSERT_TRUE(b.width > 0 && b.height > 0);
      for (int y = b.top - 100; y < b.top - 100 + b.height; ++y) {
        for (int x = b.left - 2000; x < b.left - 2000 + b.width; ++x) {
          ASSERT_TRUE(x >= 0 && y >= 0 && x < size.width && y < size.height) << size.width << "x" << size.height;
          ++covered[static_cast<size_t>(y * size.width + x)];
        }
      }
    }
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        const bool edge = x < 3 || y < 3 || x >= size.width - 3 || y >= size.height - 3;
        EXPECT_EQ(covered[static_cast<size_t>(y * size.width + x)], edge ? 1 : 0) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace nolb
