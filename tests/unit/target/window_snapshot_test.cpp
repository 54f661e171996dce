#include "target/window_snapshot.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

// Topmost first: a click-through overlay over everything, the panel's own
// window, a window A with controls, and a window D behind A and larger.
const WindowSnapshot kScreen{
    {.frame = {0, 0, 1280, 1024}, .client = {0, 0, 1280, 1024}, .passThrough = true},
    {.frame = {600, 100, 200, 200}, .client = {604, 124, 192, 172}, .own = true},
    {.frame = {100, 100, 400, 300},
     .client = {108, 130, 384, 262},
     .children = {{.frame = {120, 140, 100, 50}, .client = {122, 142, 96, 46}, .enabled = false},
                  {.frame = {120, 140, 60, 20}, .client = {120, 140, 60, 20}},
                  {.frame = {250, 140, 1, 1}, .client = {250, 140, 1, 1}},
                  {.frame = {300, 200, 150, 100},
                   .client = {302, 202, 146, 96},
                   .children = {{.frame = {310, 210, 20, 20}, .client = {310, 210, 0, 16}},
                                {.frame = {340, 210, 20, 20}, .client = {342, 212, 16, 16}}}}}},
    {.frame = {50, 50, 800, 600}, .client = {54, 74, 792, 572}},
};

TEST(SnapAreaAt, TheDeepestShownWindowUnderTheCursor) {
  struct Case {
    Point at;
    std::optional<WindowRect> area;
    const char* what;
  };
  const Case cases[] = {
      {{150, 150}, WindowRect{120, 140, 60, 20}, "an enabled control under a disabled one"},
      {{200, 180}, WindowRect{108, 130, 384, 262}, "a disabled control gives its parent"},
      {{250, 140}, WindowRect{250, 140, 1, 1}, "a control of one pixel"},
      {{320, 220}, WindowRect{302, 202, 146, 96}, "a control without client width gives its parent"},
      {{345, 215}, WindowRect{342, 212, 16, 16}, "a control inside a control"},
      {{100, 100}, WindowRect{108, 130, 384, 262}, "the frame's corner, the caption: the client area"},
      {{500, 399}, WindowRect{54, 74, 792, 572}, "right of A's frame: the window behind"},
      {{700, 200}, std::nullopt, "the panel's own window, nothing beneath it"},
      {{1000, 900}, std::nullopt, "no window"},
  };
  for (const Case& c : cases) EXPECT_EQ(SnapAreaAt(kScreen, c.at), c.area) << c.what;
  EXPECT_EQ(SnapAreaAt({}, {1, 1}), std::nullopt);
}

}  // namespace
}  // namespace nolb
