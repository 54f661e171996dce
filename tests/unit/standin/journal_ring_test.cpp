#include "standin/journal_ring.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace nolb::standin {
namespace {

// The ring is large; keep it off the stack, zeroed like a fresh mapping.
std::unique_ptr<JournalRing> FreshRing() { return std::make_unique<JournalRing>(); }

void AppendCall(JournalRing& ring, std::int32_t value) {
  Append(ring, MakeJournalEntry("NOLB_Enabled", {value}, 0, Caller{1, 2}));
}

std::vector<NolbJournalEntry> ReadAll(const JournalRing& ring, std::size_t max) {
  std::vector<NolbJournalEntry> out(max);
  out.resize(ReadOldestFirst(ring, out));
  return out;
}

TEST(JournalRing, ReadsEntriesOldestFirstWithRisingSequence) {
  auto ring = FreshRing();
  for (int i = 0; i < 3; ++i) AppendCall(*ring, 10 + i);

  const auto entries = ReadAll(*ring, 10);
  ASSERT_EQ(entries.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(entries[i].sequence, static_cast<std::uint32_t>(i + 1));
    EXPECT_EQ(entries[i].args[0], 10 + i);
  }
}

TEST(JournalRing, KeepsTheNewestEntriesWhenItWrapsAround) {
  auto ring = FreshRing();
  const int total = static_cast<int>(kJournalCapacity) + 37;
  for (int i = 0; i < total; ++i) AppendCall(*ring, i);

  const auto entries = ReadAll(*ring, kJournalCapacity + 100);
  ASSERT_EQ(entries.size(), kJournalCapacity);
  EXPECT_EQ(entries.front().args[0], 37);
  EXPECT_EQ(entries.back().args[0], total - 1);
  for (std::size_t i = 1; i < entries.size(); ++i) {
    ASSERT_EQ(entries[i].sequence, entries[i - 1].sequence + 1) << "at " << i;
  }
}

TEST(JournalRing, ASmallBufferGetsTheNewestEntriesOldestFirst) {
  auto ring = FreshRing();
  for (int i = 0; i < static_cast<int>(kJournalCapacity) + 5; ++i) AppendCall(*ring, i);

  const auto entries = ReadAll(*ring, 3);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].args[0], static_cast<int>(kJournalCapacity) + 2);
  EXPECT_EQ(entries[2].args[0], static_cast<int>(kJournalCapacity) + 4);
}

TEST(JournalRing, ClearEmptiesButSequencesGoOn) {
  auto ring = FreshRing();
  AppendCall(*ring, 1);
  AppendCall(*ring, 2);
  Clear(*ring);
  EXPECT_TRUE(ReadAll(*ring, 10).empty());

  AppendCall(*ring, 3);
  const auto entries = ReadAll(*ring, 10);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].sequence, 3u);
  EXPECT_EQ(entries[0].args[0], 3);
}

TEST(JournalRing, CorruptCountersNeverReadOutsideTheRing) {
  auto ring = FreshRing();
  AppendCall(*ring, 1);
  ring->count = 0xFFFFFFF0u;
  ring->next = 0xFFFFFFF0u;
  EXPECT_EQ(ReadAll(*ring, kJournalCapacity + 1).size(), kJournalCapacity);
  AppendCall(*ring, 2);
  EXPECT_EQ(ReadAll(*ring, 1).at(0).args[0], 2);
}

TEST(JournalEntry, KeepsNameArgumentsGroupAndCaller) {
  const NolbJournalEntry entry =
      MakeJournalEntry("NOLB_SetTarget", {65552, 1, -2, 300, 400}, 7, Caller{1234, 5678, 99});
  EXPECT_STREQ(entry.function, "NOLB_SetTarget");
  ASSERT_EQ(entry.argCount, 5);
  EXPECT_EQ(entry.args[0], 65552);
  EXPECT_EQ(entry.args[2], -2);
  EXPECT_EQ(entry.args[4], 400);
  EXPECT_EQ(entry.group, 7u);
  EXPECT_EQ(entry.processId, 1234u);
  EXPECT_EQ(entry.threadId, 5678u);
  EXPECT_EQ(entry.microseconds, 99u);
}

TEST(JournalEntry, CutsOverlongNamesAndExtraArguments) {
  const std::string longName(40, 'N');
  const NolbJournalEntry entry =
      MakeJournalEntry(longName, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, Caller{});
  EXPECT_EQ(std::string(entry.function), longName.substr(0, sizeof(entry.function) - 1));
  EXPECT_EQ(entry.argCount, 11);
  EXPECT_EQ(entry.args[8], 9);
}

}  // namespace
}  // namespace nolb::standin
