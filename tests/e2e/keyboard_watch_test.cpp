// The hotkey dialog's keyboard watch on the real low-level keyboard hook
// under Wine, in the test process itself: the thread that starts it stands
// for the program's GUI thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "harness/input.h"
#include "harness/wait.h"
#include "hotkey/keyboard_watch_win.h"
#include "ui/handles_win.h"

namespace nolb {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A key that nothing here acts on.
constexpr WORD kKey = VK_F22;

struct Seen {
  DWORD thread = 0;
  bool down = false;
  Clock::time_point at;
};

// While the GUI thread is busy (waiting in the library, drawing, in a modal
// loop), the watch still sees each key at once, on its own thread.
TEST(KeyboardWatch, SeesKeysOnAThreadOfItsOwnWhileTheThreadThatStartedItIsBusy) {
  std::mutex lock;
  std::vector<Seen> seen;
  ui::KernelHandle released(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  KeyboardWatch watch([&](std::uint32_t key, bool down) {
    if (key != kKey) return;
    {
      std::lock_guard guard(lock);
      seen.push_back({GetCurrentThreadId(), down, Clock::now()});
    }
    if (!down) SetEvent(released.Get());
  });
  ASSERT_TRUE(watch.Start());

  // Busy, handling no message, for a second and until the watch has seen
  // the key go down and up (10 s at most).
  const Clock::time_point busyFrom = Clock::now();
  std::thread typist([] { e2e::input::Press(kKey); });
  const bool seenWhileBusy = WaitForSingleObject(released.Get(), 10000) == WAIT_OBJECT_0;
  std::this_thread::sleep_until(busyFrom + 1s);
  const Clock::time_point busyUntil = Clock::now();
  // Had the watch been installed on this thread, the system would wait for
  // it to take the key: messages are handled until the key is seen.
  EXPECT_TRUE(e2e::WaitUntil([&] {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    return WaitForSingleObject(released.Get(), 0) == WAIT_OBJECT_0;
  }));
  typist.join();

  EXPECT_TRUE(seenWhileBusy) << "the key was seen only once the starting thread was free";
  std::vector<Seen> copy;
  {
    std::lock_guard guard(lock);
    copy = seen;
  }
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_TRUE(copy[0].down);
  EXPECT_FALSE(copy[1].down);
  for (const Seen& s : copy) {
    EXPECT_NE(s.thread, GetCurrentThreadId()) << "the watch runs on the thread that started it";
    EXPECT_TRUE(s.at > busyFrom && s.at < busyUntil) << "seen outside the busy second";
  }

  // Stop returns once the watch's thread has ended.
  ui::KernelHandle thread(OpenThread(SYNCHRONIZE, FALSE, copy[0].thread));
  ASSERT_TRUE(thread);
  watch.Stop();
  EXPECT_FALSE(watch.Running());
  EXPECT_EQ(WaitForSingleObject(thread.Get(), 0), WAIT_OBJECT_0) << "the watch's thread still runs";
}

}  // namespace
}  // namespace nolb
