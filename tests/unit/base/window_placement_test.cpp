#include "base/window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace nolb {
namespace {

// A 1280 x 1024 primary monitor with a 40-pixel taskbar at the top, and a
// 1920 x 1080 monitor to its right, without a taskbar.
const MonitorArea kPrimary{{0, 0, 1280, 1024}, {0, 40, 1280, 984}};
const MonitorArea kRight{{1280, 0, 1920, 1080}, {1280, 0, 1920, 1080}};
const std::vector<MonitorArea> kTwo{kPrimary, kRight};

TEST(PlaceOnMonitors, APlaceThatTouchesAWorkAreaIsKept) {
  for (WindowRect kept : {WindowRect{16, 16, 289, 487},        // partly under the taskbar
                          WindowRect{-288, 500, 289, 487},     // one column on the primary
                          WindowRect{3199, 1079, 289, 487},    // one pixel on the right monitor
                          WindowRect{1200, 100, 289, 487}}) {  // across both
    EXPECT_EQ(PlaceOnMonitors(kept, kTwo), kept) << kept.left << ", " << kept.top;
  }
}

TEST(PlaceOnMonitors, APlaceOffEveryMonitorMovesOntoTheNearestWorkArea) {
  // Beyond the right monitor, as after a lower resolution.
  EXPECT_EQ(PlaceOnMonitors({4000, 2000, 289, 487}, kTwo), (WindowRect{2911, 593, 289, 487}));
  // Left of the primary, between the taskbar's height and the bottom.
  EXPECT_EQ(PlaceOnMonitors({-900, 300, 289, 487}, kTwo), (WindowRect{0, 300, 289, 487}));
  // Above the primary, it comes down below the taskbar.
  EXPECT_EQ(PlaceOnMonitors({100, -600, 289, 487}, kTwo), (WindowRect{100, 40, 289, 487}));
  // Below both, nearer the right monitor.
  EXPECT_EQ(PlaceOnMonitors({2000, 1500, 289, 487}, kTwo), (WindowRect{2000, 593, 289, 487}));
  // Just below the right monitor, a little right of the primary: the right
  // monitor is 20 pixels away, the primary 20 across and 76 down.
  EXPECT_EQ(PlaceOnMonitors({1300, 1100, 289, 487}, kTwo), (WindowRect{1300, 593, 289, 487}));
  // Once only the primary is left, a place on the unplugged monitor comes back to it.
  EXPECT_EQ(PlaceOnMonitors({1500, 100, 289, 487}, {kPrimary}), (WindowRect{991, 100, 289, 487}));
}

TEST(PlaceOnMonitors, APlaceExactlyAgainstTheOutsideOfAnEdgeIsOffTheScreen) {
  // Not one pixel visible: left of the primary, right of and above the right
  // monitor, below the primary.
  EXPECT_EQ(PlaceOnMonitors({-289, 500, 289, 487}, kTwo), (WindowRect{0, 500, 289, 487}));
  EXPECT_EQ(PlaceOnMonitors({3200, 500, 289, 487}, kTwo), (WindowRect{2911, 500, 289, 487}));
  EXPECT_EQ(PlaceOnMonitors({1500, -487, 289, 487}, kTwo), (WindowRect{1500, 0, 289, 487}));
  EXPECT_EQ(PlaceOnMonitors({100, 1024, 289, 487}, kTwo), (WindowRect{100, 537, 289, 487}));
}

TEST(PlaceOnMonitors, AWindowLargerThanTheWorkAreaKeepsItsSizeAndItsCaptionInReach) {
  EXPECT_EQ(PlaceOnMonitors({5000, 5000, 1500, 1200}, {kPrimary}), (WindowRect{0, 40, 1500, 1200}));
}

TEST(PlaceOnMonitors, EqualDistancesChooseTheFirstMonitorAndNoMonitorsChangeNothing) {
  // Two monitors side by side; a place straight above their common edge.
  const MonitorArea left{{0, 0, 100, 100}, {0, 0, 100, 100}};
  const MonitorArea right{{100, 0, 100, 100}, {100, 0, 100, 100}};
  EXPECT_EQ(PlaceOnMonitors({90, -50, 20, 20}, {right, left}), (WindowRect{100, 0, 20, 20}));
  EXPECT_EQ(PlaceOnMonitors({90, -500, 20, 20}, {left, right}), (WindowRect{80, 0, 20, 20}));
  EXPECT_EQ(PlaceOnMonitors({9000, 9000, 20, 20}, {}), (WindowRect{9000, 9000, 20, 20}));
}

TEST(PlaceOnMonitors, ExtremeStoredNumbersDoNotOverflow) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(PlaceOnMonitors({kMax, kMax, 289, 487}, {kPrimary}), (WindowRect{991, 537, 289, 487}));
  EXPECT_EQ(PlaceOnMonitors({kMin, kMin, kMax, 487}, {kPrimary}), (WindowRect{0, 40, kMax, 487}));
}

TEST(PlaceOverOwner, CentredOnTheOwnerInsideTheMonitorThatHoldsMostOfIt) {
  struct Case {
    WindowRect owner;
    std::int32_t width, height;
    std::vector<MonitorArea> monitors;
    WindowRect placed;
  };
  const Case cases[] = {
      {{500, 300, 289, 487}, 560, 420, kTwo, {365, 333, 560, 420}},     // room all round
      {{1100, 300, 289, 487}, 560, 420, kTwo, {720, 333, 560, 420}},    // mostly on the primary
      {{1250, 0, 289, 487}, 560, 420, kTwo, {1280, 33, 560, 420}},      // mostly on the right one
      {{5000, 5000, 289, 487}, 560, 420, kTwo, {2640, 660, 560, 420}},  // on none: the nearest
      {{500, 300, 289, 487}, 2000, 1500, {kPrimary}, {0, 40, 1280, 984}},  // no larger than the work area
      {{500, 300, 289, 487}, 560, 420, {}, {365, 333, 560, 420}},
      // Ten rows on a monitor above, a column of 477 on the primary.
      {{-288, -10, 289, 487}, 560, 420, {{{0, -1024, 1280, 1024}, {0, -1024, 1280, 1024}}, kPrimary},
       {0, 40, 560, 420}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceOverOwner(c.owner, c.width, c.height, c.monitors), c.placed) << c.owner.left;
  }
}

TEST(WorkspaceToScreen, AddsTheOffsetOfTheWorkAreaWithinItsMonitor) {
  EXPECT_EQ(WorkspaceToScreen({16, 16, 289, 487}, kPrimary), (WindowRect{16, 56, 289, 487}));
  // A taskbar on the left of a second monitor.
  const MonitorArea leftBar{{1280, 0, 1920, 1080}, {1340, 0, 1860, 1080}};
  EXPECT_EQ(WorkspaceToScreen({1300, 10, 289, 487}, leftBar), (WindowRect{1360, 10, 289, 487}));
}

}  // namespace
}  // namespace nolb
