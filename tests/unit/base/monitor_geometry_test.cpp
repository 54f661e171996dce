#include "base/monitor_geometry.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

const MonitorScaling kAt100{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}};
const MonitorScaling kAt125{{0, 0, 1536, 864}, {0, 0, 1920, 1080}};
const MonitorScaling kAt150{{0, 0, 1280, 720}, {0, 0, 1920, 1080}};
// A 1920 x 1080 primary at 100 %, and a 1920 x 1200 monitor at 150 % left of
// it and reaching above it.
const MonitorScaling kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}};
const MonitorScaling kLeftAbove{{-1280, -400, 1280, 800}, {-1920, -600, 1920, 1200}};
const std::vector<MonitorScaling> kMixed{kPrimary, kLeftAbove};

TEST(MonitorGeometry, At100PercentNothingMovesAndThePictureIsCopiedPlainly) {
  EXPECT_FALSE(Scaled(kAt100));
  EXPECT_EQ(LogicalToPhysical(kAt100, Point{1279, 1023}), (Point{1279, 1023}));
  EXPECT_EQ(LogicalToPhysical({kAt100}, WindowRect{-5, 10, 300, 200}), (WindowRect{-5, 10, 300, 200}));
  EXPECT_EQ(MonitorPicture(kAt100), (PictureCopy{kAt100.physical, kAt100.logical, false}));
}

TEST(MonitorGeometry, At125PercentLogicalPixelsAreAQuarterLarger) {
  EXPECT_TRUE(Scaled(kAt125));
  EXPECT_EQ(LogicalToPhysical(kAt125, Point{100, 100}), (Point{125, 125}));
  EXPECT_EQ(LogicalToPhysical(kAt125, Point{1536, 864}), (Point{1920, 1080})) << "the far edge";
  EXPECT_EQ(PhysicalToLogical(kAt125, Point{125, 125}), (Point{100, 100}));
  EXPECT_EQ(LogicalToPhysical(kAt125, WindowRect{100, 100, 200, 100}), (WindowRect{125, 125, 250, 125}));
  EXPECT_EQ(PhysicalToLogical(kAt125, WindowRect{125, 125, 250, 125}), (WindowRect{100, 100, 200, 100}));
  EXPECT_EQ(MonitorPicture(kAt125), (PictureCopy{kAt125.physical, kAt125.logical, true}));
}

TEST(MonitorGeometry, At150PercentEdgesRoundToTheNearestPixel) {
  EXPECT_EQ(LogicalToPhysical(kAt150, Point{101, 1}), (Point{152, 2}));  // 151.5, 1.5
  EXPECT_EQ(PhysicalToLogical(kAt150, Point{152, 2}), (Point{101, 1}));  // 101.3, 1.3
  EXPECT_EQ(LogicalToPhysical(kAt150, WindowRect{101, 1, 3, 3}), (WindowRect{152, 2, 4, 4}));
  EXPECT_EQ(LogicalToPhysical(kAt150, WindowRect{1279, 719, 1, 1}), (WindowRect{1919, 1079, 1, 1}));
}

TEST(MonitorGeometry, MixedMonitorsMapEachRectangleByItsOwnMonitor) {
  EXPECT_EQ(VirtualScreen(kMixed), (WindowRect{-1280, -400, 3200, 1480}));
  // Wholly on the left monitor: negative coordinates, scaled by 1.5 from its corner.
  EXPECT_EQ(MonitorOfLogical(kMixed, {-700, -100, 200, 100}), kLeftAbove);
  EXPECT_EQ(LogicalToPhysical(kMixed, WindowRect{-700, -100, 200, 100}), (WindowRect{-1050, -150, 300, 150}));
  EXPECT_EQ(LogicalToPhysical(kLeftAbove, Point{-1280, -400}), (Point{-1920, -600}));
  EXPECT_EQ(PhysicalToLogical(kLeftAbove, Point{-1050, -150}), (Point{-700, -100}));
  // Across the border: the mapping of the monitor that holds most of it,
  // the first listed when each holds half.
  EXPECT_EQ(LogicalToPhysical(kMixed, WindowRect{-100, 100, 400, 100}), (WindowRect{-100, 100, 400, 100}));
  EXPECT_EQ(LogicalToPhysical(kMixed, WindowRect{-300, 100, 400, 100}), (WindowRect{-450, 150, 600, 150}));
  EXPECT_EQ(LogicalToPhysical(kMixed, WindowRect{-200, 100, 400, 100}), (WindowRect{-200, 100, 400, 100}));
  // On no monitor: the nearest one's, the first listed of two as near.
  EXPECT_EQ(MonitorOfLogical(kMixed, {-2000, 900, 10, 10}), kLeftAbove);
  EXPECT_EQ(MonitorOfLogical(kMixed, {2000, 900, 10, 10}), kPrimary);
  EXPECT_EQ(MonitorOfLogical(kMixed, {-2, 401, 1, 1}), kPrimary);
  const MonitorScaling a{{0, 0, 100, 100}, {}}, b{{100, 0, 100, 100}, {}}, c{{200, 0, 100, 100}, {}};
  EXPECT_EQ(MonitorOfLogical({a, b, c}, {90, 0, 150, 10}), b) << "the one with the most of it";
  EXPECT_EQ(MonitorOfLogical({}, {0, 0, 1, 1}), std::nullopt);
  // Each monitor's picture is its own, from (0, 0), whole also where the
  // logical rectangles of monitors overlap.
  EXPECT_EQ(MonitorPicture(kLeftAbove), (PictureCopy{kLeftAbove.physical, {0, 0, 1280, 800}, true}));
}

// The frame the composition draws comes in the screen's pixels: on the
// monitor at 150 % it is mapped back; it never reaches past the window.
TEST(MonitorGeometry, AWindowsVisibleFrameInTheProgramsPixels) {
  const WindowRect window{100, 100, 800, 600};
  EXPECT_EQ(VisibleFrame(kMixed, window, std::nullopt), window) << "no reading";
  EXPECT_EQ(VisibleFrame(kMixed, window, WindowRect{107, 100, 786, 593}), (WindowRect{107, 100, 786, 593}));
  EXPECT_EQ(VisibleFrame(kMixed, {-700, -100, 300, 200}, WindowRect{-1041, -150, 432, 291}),
            (WindowRect{-694, -100, 288, 194}));
  EXPECT_EQ(VisibleFrame(kMixed, window, WindowRect{90, 90, 900, 700}), window) << "a shadow: within the window";
  EXPECT_EQ(VisibleFrame(kMixed, window, WindowRect{200, 700, 50, 50}), window) << "below it: not believed";
  EXPECT_EQ(VisibleFrame(kMixed, window, WindowRect{900, 200, 50, 50}), window) << "right of it";
}

TEST(MonitorGeometry, ADisplayModeCountsOnlyWhenItScalesBothWaysAlike) {
  EXPECT_EQ(MonitorFromMode(kAt125.logical, kAt125.physical), kAt125);
  EXPECT_EQ(MonitorFromMode(kLeftAbove.logical, kLeftAbove.physical), kLeftAbove);
  EXPECT_EQ(MonitorFromMode({0, 0, 1366, 768}, WindowRect{0, 0, 2049, 1152}).physical,
            (WindowRect{0, 0, 2049, 1152}))  // 150 % of an odd width, rounded
      << "rounding";
  // 175 % of 1920 x 1200: 1097.1 x 685.7, each rounded its own way.
  EXPECT_EQ(MonitorFromMode({0, 0, 1097, 686}, WindowRect{0, 0, 1920, 1200}).physical,
            (WindowRect{0, 0, 1920, 1200}));
  // Readings that cannot be a scaling (as Wine gives for X outputs): the
  // whole X screen as one monitor's mode, an empty mode, a smaller one.
  const WindowRect primary{0, 0, 1280, 1024};
  const MonitorScaling unscaled{primary, primary};
  EXPECT_EQ(MonitorFromMode(primary, WindowRect{0, 0, 2304, 1024}), unscaled);
  EXPECT_EQ(MonitorFromMode(primary, WindowRect{0, 0, 0, 0}), unscaled);
  EXPECT_EQ(MonitorFromMode(primary, WindowRect{0, 0, 1024, 819}), unscaled);
  EXPECT_EQ(MonitorFromMode(primary, std::nullopt), unscaled);
}

}  // namespace
}  // namespace nolb
