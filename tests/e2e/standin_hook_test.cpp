// NOLB_IsHooked follows the encoder simulator's life.
#include <gtest/gtest.h>

#include <vector>

#include "standin/e2e_support_win.h"

namespace nolb::standin {
namespace {

class StandinHook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PollUntil([&] { return library_.NOLB_IsHooked() == 0; }))
        << "an encoder simulator from elsewhere is still attached";
    library_.NOLB_SetTarget(GetDesktopWindow(), 0, 0, 64, 48);
    library_.NOLBTest_ClearJournal();
  }

  StandinLibrary library_;
};

TEST_F(StandinHook, TheSimulatorHooksWhileItRunsAndUnhooksWhenKilled) {
  ChildProcess simulator(L"encoder_sim.exe", L"--fps 10");
  ASSERT_TRUE(simulator.Started());
  ASSERT_TRUE(PollUntil([&] { return library_.NOLB_IsHooked() != 0; }));
  EXPECT_EQ(library_.ReadState().hookedProcessId, simulator.Id());

  simulator.Kill();
  ASSERT_TRUE(PollUntil([&] { return library_.NOLB_IsHooked() == 0; }));
  EXPECT_EQ(library_.ReadState().hookedProcessId, 0u);
}

TEST_F(StandinHook, TheSimulatorPullsItsFramesThroughTheLibrary) {
  library_.NOLBTest_SetStatus(-1.0);
  // A process killed while drawing never ends its drawing: count from here.
  const int drawingBefore = library_.ReadState().bitBltInitCount;
  ChildProcess simulator(L"encoder_sim.exe", L"--frames 5 --fps 20 --width 32 --height 24");
  ASSERT_TRUE(simulator.Started());
  ASSERT_EQ(simulator.WaitForExit(30000), 0);
  EXPECT_EQ(library_.NOLB_IsHooked(), 0);

  std::vector<NolbJournalEntry> entries(256);
  entries.resize(library_.NOLBTest_ReadJournal(entries.data(), static_cast<int>(entries.size())));
  std::vector<std::string> calls;
  for (const NolbJournalEntry& entry : entries) {
    if (entry.processId == simulator.Id()) calls.emplace_back(entry.function);
  }
  const std::vector<std::string> expected = {"NOLB_BitBltInit", "NOLB_BitBlt", "NOLB_BitBlt",
                                             "NOLB_BitBlt",     "NOLB_BitBlt", "NOLB_BitBlt",
                                             "NOLB_BitBltUninit"};
  EXPECT_EQ(calls, expected);
  const auto frame = std::find_if(entries.begin(), entries.end(), [](const auto& e) {
    return std::string(e.function) == "NOLB_BitBlt";
  });
  ASSERT_NE(frame, entries.end());
  EXPECT_EQ(frame->argCount, 9);
  EXPECT_EQ(frame->args[3], 32);
  EXPECT_EQ(frame->args[4], 24);
  EXPECT_EQ(frame->args[8], static_cast<std::int32_t>(SRCCOPY));

  double seconds = -1.0;
  ASSERT_EQ(library_.NOLB_GetStatus(&seconds), 1);
  EXPECT_GE(seconds, 0.0) << "the frames measured their time";
  EXPECT_EQ(library_.ReadState().bitBltInitCount, drawingBefore);
}

}  // namespace
}  // namespace nolb::standin
