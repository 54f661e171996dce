// The harness itself: keys sent right after a window is brought to the front
// keep the state they were sent with (Wine may otherwise take them back when
// the window's thread catches up with the focus change).
#include <gtest/gtest.h>
#include <windows.h>

#include "harness/e2e.h"
#include "harness/focus_change.h"

TEST(HarnessKeys, AModifierPressedAfterAFocusChangeStaysDown) {
  auto first = e2e::TargetWindow::Start();
  auto second = e2e::TargetWindow::Start();
  int released = 0;
  for (int change = 0; change < 20; ++change) {
    e2e::Window window = change % 3 == 2 ? first.Main() : second.Main();
    e2e::BringToFront(window);
    e2e::input::KeyDown(VK_CONTROL);
    window.Send(WM_NULL);
    if (!e2e::KeyDownNow(VK_CONTROL)) ++released;
    e2e::input::KeyUp(VK_CONTROL);
  }
  EXPECT_EQ(released, 0) << "of 20 Ctrl presses, each right after a change of the foreground window";
}
