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
  EXPECT_EQ(PickerFrameBands(kLaptopAndMonitor, {2000, 100, 1, 1}).size(), 4u) << "a client area of one pixel";
}

}  // namespace
}  // namespace nolb
