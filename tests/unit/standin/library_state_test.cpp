#include "standin/library_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace nolb::standin {
namespace {

constexpr Caller kPanel{100, 1};
constexpr Caller kWorker{100, 2};
constexpr Caller kOther{200, 3};

std::unique_ptr<SharedState> FreshState() { return std::make_unique<SharedState>(); }

void SetRect(SharedState& state, Caller caller, std::int32_t value) {
  CaptureSetup& setup = SetupFor(state, caller);
  setup.x = setup.y = setup.width = setup.height = value;
}

std::vector<NolbJournalEntry> Entries(const SharedState& state) {
  std::vector<NolbJournalEntry> out(64);
  out.resize(ReadOldestFirst(state.journal, out));
  return out;
}

TEST(LibraryGroup, OthersSeeNothingOfAGroupUntilItsOutermostUnlock) {
  auto state = FreshState();
  SetRect(*state, kPanel, 1);

  OpenGroup(*state, kPanel);
  SetRect(*state, kPanel, 2);
  OpenGroup(*state, kPanel);  // nested
  SetupFor(*state, kPanel).enabled = 1;
  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::Nested);

  EXPECT_EQ(View(*state, kPanel).x, 2) << "the owner sees its own changes";
  EXPECT_EQ(View(*state, kOther).x, 1);
  EXPECT_EQ(View(*state, kWorker).enabled, 0) << "another thread of the same process";

  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::Committed);
  EXPECT_EQ(View(*state, kOther).x, 2);
  EXPECT_EQ(View(*state, kOther).enabled, 1);
}

TEST(LibraryGroup, UnlockWithoutAGroupChangesNothing) {
  auto state = FreshState();
  OpenGroup(*state, kPanel);
  SetRect(*state, kPanel, 5);
  EXPECT_EQ(CloseGroup(*state, kWorker), GroupEnd::NotOwner);
  EXPECT_TRUE(OwnsGroup(*state, kPanel));
  EXPECT_EQ(View(*state, kOther).x, 0);
  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::Committed);
  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::NotOwner);
  EXPECT_EQ(View(*state, kOther).x, 5);
}

TEST(LibraryGroup, ADroppedGroupLeavesNoTrace) {
  auto state = FreshState();
  SetRect(*state, kPanel, 3);
  OpenGroup(*state, kOther);
  SetRect(*state, kOther, 9);

  DropGroup(*state);

  EXPECT_FALSE(OwnsGroup(*state, kOther));
  EXPECT_EQ(View(*state, kOther).x, 3);
  EXPECT_EQ(CloseGroup(*state, kOther), GroupEnd::NotOwner);
  // The next group starts from the live setup, not from the dropped one.
  OpenGroup(*state, kPanel);
  EXPECT_EQ(View(*state, kPanel).x, 3);
}

TEST(LibraryGroup, AStaleGroupOfAnotherCallerIsDroppedWhenANewOneOpens) {
  auto state = FreshState();
  OpenGroup(*state, kOther);
  SetRect(*state, kOther, 9);

  OpenGroup(*state, kPanel);
  EXPECT_EQ(state->groupDepth, 1);
  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::Committed);
  EXPECT_EQ(View(*state, kOther).x, 0);
}

TEST(LibraryGroup, JournalNumbersEachGroupAndOnlyItsOwnersCalls) {
  auto state = FreshState();
  Journal(*state, kPanel, "NOLB_Init", {});
  OpenGroup(*state, kPanel);
  Journal(*state, kPanel, "NOLB_Lock", {});
  Journal(*state, kWorker, "NOLB_IsEnabled", {});
  EXPECT_EQ(CloseGroup(*state, kPanel), GroupEnd::Committed);
  OpenGroup(*state, kPanel);
  Journal(*state, kPanel, "NOLB_Enabled", {1});

  const auto entries = Entries(*state);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].group, 0u);
  EXPECT_EQ(entries[1].group, 1u);
  EXPECT_EQ(entries[2].group, 0u);
  EXPECT_EQ(entries[3].group, 2u);
  EXPECT_EQ(entries[2].threadId, kWorker.threadId);
}

}  // namespace
}  // namespace nolb::standin
