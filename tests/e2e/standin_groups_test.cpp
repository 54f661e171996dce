// The stand-in library's Lock/Unlock groups, seen from another process and
// another thread.
#include <gtest/gtest.h>

#include <future>
#include <set>
#include <string>
#include <vector>

#include "standin/e2e_support_win.h"

namespace nolb::standin {
namespace {

class StandinGroups : public ::testing::Test {
 protected:
  void SetUp() override {
    library_.NOLB_Lock();
    library_.NOLB_SetTarget(nullptr, 0, 0, 0, 0);
    library_.NOLB_SetMousePos(0, 0);
    library_.NOLB_Unlock();
    library_.NOLBTest_ClearJournal();
  }

  void SetAll(int value) {
    ASSERT_EQ(library_.NOLB_Lock(), 1);
    library_.NOLB_SetTarget(nullptr, value, value, value, value);
    library_.NOLB_SetMousePos(value, value);
    ASSERT_EQ(library_.NOLB_Unlock(), 1);
  }

  std::vector<NolbJournalEntry> Journal() {
    std::vector<NolbJournalEntry> entries(512);
    entries.resize(library_.NOLBTest_ReadJournal(entries.data(), static_cast<int>(entries.size())));
    return entries;
  }

  StandinLibrary library_;
};

TEST_F(StandinGroups, AnotherProcessNeverSeesHalfAGroup) {
  constexpr int kGroups = 3000;
  ChildProcess writer(L"standin_group_writer.exe", L"--groups " + std::to_wstring(kGroups));
  ASSERT_TRUE(writer.Started());

  std::set<int> seen;
  int last = 0;
  const bool finished = PollUntil(
      [&] {
        // Read as fast as possible between the writer's groups.
        for (int i = 0; i < 200; ++i) {
          const NolbStateView state = library_.ReadState();
          EXPECT_TRUE(state.x == state.y && state.x == state.width && state.x == state.height &&
                      state.x == state.mouseX && state.x == state.mouseY)
              << state.x << " " << state.y << " " << state.width << " " << state.height << " "
              << state.mouseX << " " << state.mouseY;
          EXPECT_GE(state.x, last) << "groups took effect out of order";
          last = state.x;
          seen.insert(state.x);

          int x = -1, y = -2, w = -3, h = -4;
          library_.NOLB_GetTarget(nullptr, &x, &y, &w, &h);
          EXPECT_TRUE(x == y && x == w && x == h) << x << " " << y << " " << w << " " << h;
          if (HasFailure()) return true;
        }
        return !writer.Running();
      },
      std::chrono::seconds(120));
  ASSERT_TRUE(finished) << "the writer did not finish";
  ASSERT_FALSE(HasFailure());
  EXPECT_EQ(writer.WaitForExit(5000), 0);
  EXPECT_EQ(library_.ReadState().x, kGroups);
  // The reader really ran while the writer pushed, not only before or after.
  EXPECT_GE(seen.size(), 4u) << "the reader saw too few states to prove anything";
}

TEST_F(StandinGroups, AGroupOfAProcessKilledInsideItNeverTakesEffect) {
  SetAll(5);
  const ui::KernelHandle holding(
      CreateEventW(nullptr, TRUE, FALSE, L"Local\\NOLBStandIn.Test.HoldingGroup"));
  ASSERT_TRUE(holding);
  ResetEvent(holding.Get());
  ChildProcess writer(L"standin_group_writer.exe", L"--hold-in-group 77");
  ASSERT_TRUE(writer.Started());
  ASSERT_TRUE(PollUntil([&] { return WaitForSingleObject(holding.Get(), 0) == WAIT_OBJECT_0; }))
      << "the writer did not get into its group";

  writer.Kill();
  ASSERT_NE(writer.WaitForExit(10000), -1);

  // The lock left behind by the killed process is free again, and its
  // half-made group is gone.
  const NolbStateView state = library_.ReadState();
  EXPECT_EQ(state.x, 5);
  EXPECT_EQ(state.width, 5);
  EXPECT_EQ(state.mouseX, 5);
  SetAll(9);
  EXPECT_EQ(library_.ReadState().height, 9);
  std::vector<std::string> writerCalls;
  for (const NolbJournalEntry& entry : Journal()) {
    if (entry.processId == writer.Id()) writerCalls.emplace_back(entry.function);
  }
  EXPECT_EQ(writerCalls, (std::vector<std::string>{"NOLB_Lock", "NOLB_SetTarget"}));
}

TEST_F(StandinGroups, NestedLocksOfOneThreadEndWithTheOutermostUnlock) {
  ASSERT_EQ(library_.NOLB_Lock(), 1);
  ASSERT_EQ(library_.NOLB_Lock(), 1);
  library_.NOLB_SetTarget(nullptr, 1, 2, 3, 4);
  ASSERT_EQ(library_.NOLB_Unlock(), 1);
  library_.NOLB_Enabled(1);
  ASSERT_EQ(library_.NOLB_Unlock(), 1);
  EXPECT_EQ(library_.NOLB_Unlock(), 0) << "an Unlock without a Lock";

  // Another thread can take the lock now: nothing of the group is still held.
  auto other = std::async(std::launch::async, [this] {
    const int locked = library_.NOLB_Lock();
    library_.NOLB_SetTarget(nullptr, 6, 7, 8, 9);
    const int unlocked = library_.NOLB_Unlock();
    return locked == 1 && unlocked == 1;
  });
  ASSERT_EQ(other.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_TRUE(other.get());
  int x = 0, y = 0, w = 0, h = 0;
  library_.NOLB_GetTarget(nullptr, &x, &y, &w, &h);
  EXPECT_EQ(x, 6);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(library_.NOLB_IsEnabled(), 1);
}

TEST_F(StandinGroups, TheJournalNumbersTheCallsOfEachGroup) {
  library_.NOLB_Init();
  SetAll(3);
  SetAll(4);
  library_.NOLB_Uninit();

  const auto entries = Journal();
  ASSERT_EQ(entries.size(), 10u);
  const char* expected[] = {"NOLB_Init",   "NOLB_Lock",        "NOLB_SetTarget",
                            "NOLB_SetMousePos", "NOLB_Unlock", "NOLB_Lock",
                            "NOLB_SetTarget",   "NOLB_SetMousePos", "NOLB_Unlock",
                            "NOLB_Uninit"};
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_STREQ(entries[i].function, expected[i]) << i;
    EXPECT_EQ(entries[i].processId, GetCurrentProcessId());
    EXPECT_EQ(entries[i].threadId, GetCurrentThreadId());
    if (i > 0) {
      EXPECT_EQ(entries[i].sequence, entries[i - 1].sequence + 1);
    }
  }
  EXPECT_EQ(entries[0].group, 0u);
  EXPECT_NE(entries[1].group, 0u);
  for (size_t i = 2; i <= 4; ++i) EXPECT_EQ(entries[i].group, entries[1].group);
  EXPECT_EQ(entries[5].group, entries[1].group + 1);
  EXPECT_EQ(entries[9].group, 0u);
  ASSERT_EQ(entries[2].argCount, 5);
  EXPECT_EQ(entries[2].args[1], 3);
  EXPECT_EQ(entries[2].args[4], 3);
}

}  // namespace
}  // namespace nolb::standin
