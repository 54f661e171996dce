// The status line: the hook mark, the library's processing time and the
// video memory in use.
#include <gtest/gtest.h>

#include "harness/e2e.h"

namespace {

using namespace std::chrono_literals;

// The mark changes within one 330 ms tick; the deadline leaves room for a
// slow machine.
constexpr e2e::Duration kWithinTicks = 5s;

TEST(StatusLine, HookMarkFollowsTheEncoder) {
  auto panel = e2e::Panel::Start();
  e2e::Window mark = panel.Control("LabelHooked");
  EXPECT_TRUE(e2e::Becomes([&] { return mark.Text(); }, std::wstring(L"×"), kWithinTicks));

  e2e::Process encoder = e2e::StartHelper(L"encoder_sim.exe");
  ASSERT_TRUE(e2e::Eventually([&] { return panel.Library().State().hookedProcessId == encoder.Id(); },
                              "the encoder simulator attaches"));
  EXPECT_TRUE(e2e::Becomes([&] { return mark.Text(); }, std::wstring(L"○"), kWithinTicks));

  encoder.Kill();
  EXPECT_TRUE(e2e::Becomes([&] { return mark.Text(); }, std::wstring(L"×"), kWithinTicks));
  EXPECT_EQ(panel.Close(), 0u);
}

TEST(StatusLine, ShowsTheLibrarysProcessingTime) {
  auto panel = e2e::Panel::Start();
  e2e::Window time = panel.Control("LabelAT");
  panel.Library().SetStatus(0.0125);
  EXPECT_TRUE(e2e::Becomes([&] { return time.Text(); }, std::wstring(L"12.50ms"), kWithinTicks));
  panel.Library().SetStatus(1.0);
  EXPECT_TRUE(e2e::Becomes([&] { return time.Text(); }, std::wstring(L"1000.00ms"), kWithinTicks));
  panel.Library().SetStatus(0.0);
  EXPECT_TRUE(e2e::Becomes([&] { return time.Text(); }, std::wstring(L"0.00ms"), kWithinTicks));
  EXPECT_EQ(panel.Close(), 0u);
}

// The DirectDraw object behind the figure is made at the first tick, not at
// start-up; the designed text "100.0MB" then gives way to the driver's figure
// (Wine's reports as much free as total: "0.0MB").
TEST(StatusLine, ShowsTheVideoMemoryInUse) {
  auto panel = e2e::Panel::Start();
  e2e::Window vmem = panel.Control("LabelVmem");
  EXPECT_TRUE(e2e::Becomes([&] { return vmem.Text(); }, std::wstring(L"0.0MB"), kWithinTicks));
  EXPECT_EQ(panel.Close(), 0u);
}

}  // namespace
