#include "target/target_reacquire.h"

#include <gtest/gtest.h>

#include "target/kept_target.h"
#include "tests/unit/fakes/fake_window_tree.h"
#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

constexpr WindowId kDesktop = 1;

// An editor: its main window holds a frame (id 1) with two edits (ids 16
// and 15, both of class Edit); the target is the edit with id 15.
struct Editor {
  WindowId main = 0, frame = 0, edit = 0;
};

class TargetReacquireTest : public ::testing::Test {
 protected:
  Editor Open(const std::string& exe, const std::string& title, bool withChildren = true) {
    Editor e{tree.AddTopLevel(exe, "EditorMain", title)};
    if (withChildren) AddChildren(e);
    return e;
  }
  void AddChildren(Editor& e) {
    e.frame = tree.AddChild(e.main, "Frame", 1);
    tree.AddChild(e.frame, "Edit", 16);
    e.edit = tree.AddChild(e.frame, "Edit", 15);
  }
  // The switch on, the edit followed by the watch, then its program gone.
  void LoseEditOf(const Editor& e) {
    reacquire.SetEnabled(true);
    reacquire.Follow(tree, e.edit, kDesktop);
    tree.Remove(e.main);
    ASSERT_TRUE(reacquire.Lost(tree, HookTarget{e.edit, 12, 34, 320, 200}, now));
  }
  // The window taken after word of these windows, or 0.
  WindowId NoticeAndTry(std::initializer_list<WindowId> windows) {
    for (WindowId w : windows) reacquire.Noticed(tree, w, now);
    std::optional<HookTarget> taken = reacquire.TryCandidates(tree, now);
    return taken ? taken->window : 0;
  }

  FakeWindowTree tree;
  TargetReacquire reacquire;
  std::uint64_t now = 1000;  // the clock, in milliseconds
};

TEST_F(TargetReacquireTest, TheRestartedProgramsControlIsTakenWithTheRememberedRectangle) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor again = Open("EDITOR.EXE", "a.txt - Editor");
  // Word of a child's creation counts for its top-level window.
  reacquire.Noticed(tree, again.frame, now);
  std::optional<HookTarget> taken = reacquire.TryCandidates(tree, now);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, again.edit) << "the control id, not only the class, picks the edit";
  EXPECT_EQ(std::tie(taken->x, taken->y, taken->width, taken->height), std::tuple(12, 34, 320, 200));
  EXPECT_FALSE(reacquire.Waiting());
}

TEST_F(TargetReacquireTest, AWindowNotShownOrWithoutItsChildrenYetIsTriedAgain) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor again = Open("editor.exe", "a.txt - Editor", false);
  tree.At(again.main).visible = false;
  EXPECT_EQ(NoticeAndTry({again.main}), 0u);
  tree.At(again.main).visible = true;
  EXPECT_EQ(NoticeAndTry({}), 0u) << "shown, but without its children";
  EXPECT_TRUE(reacquire.HasCandidates());
  // A second window of the program, still without children, is waiting too:
  // the take ends every try, so the retry timer stops.
  Editor other = Open("editor.exe", "b.txt - Editor", false);
  AddChildren(again);
  EXPECT_EQ(NoticeAndTry({other.main}), again.edit);
  EXPECT_FALSE(reacquire.HasCandidates());
}

TEST_F(TargetReacquireTest, AnotherProgramWithTheSameClassesIsNeverTaken) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor other = Open("viewer.exe", "a.txt - Editor");
  EXPECT_EQ(NoticeAndTry({other.main}), 0u);
  EXPECT_FALSE(reacquire.HasCandidates()) << "refused for good";
  EXPECT_FALSE(reacquire.Noticed(tree, other.edit, now));
  EXPECT_TRUE(reacquire.Waiting());
}

TEST_F(TargetReacquireTest, AmongSeveralTheSameTitleWinsElseTheTopmost) {
  Editor lost = Open("editor.exe", "a.txt - Editor");
  reacquire.SetEnabled(true);
  reacquire.Follow(tree, lost.edit, kDesktop);
  // The title is read again at each tick: the one at the loss counts.
  tree.At(lost.main).text = "b.txt - Editor";
  LoseEditOf(lost);
  Editor b = Open("editor.exe", "b.txt - Editor");
  Editor c = Open("editor.exe", "c.txt - Editor");  // on top of b
  // Above them, another program's window with the remembered title.
  const WindowId unrelated = tree.AddTopLevel("viewer.exe", "ViewerMain", "b.txt - Editor");
  EXPECT_EQ(NoticeAndTry({b.main, c.main, unrelated}), b.edit);

  LoseEditOf(b);
  Editor d = Open("editor.exe", "d.txt - Editor");
  Editor e = Open("editor.exe", "e.txt - Editor");
  EXPECT_EQ(NoticeAndTry({d.main, e.main}), e.edit) << "no title matches: the topmost";
}

TEST_F(TargetReacquireTest, WindowsThereWhenTheTargetWasTakenAreNeverTakenButNewOnesOfTheirProgramAre) {
  Editor second = Open("editor.exe", "a.txt - Editor");  // a second copy, already running
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  EXPECT_FALSE(reacquire.HasCandidates()) << "the copy there when the target was taken";
  EXPECT_FALSE(reacquire.Noticed(tree, second.main, now)) << "shown again";
  Editor fresh = Open("editor.exe", "a.txt - Editor");
  EXPECT_EQ(NoticeAndTry({second.edit, fresh.main}), fresh.edit);
}

// A program that makes its new window before it destroys the old one (a
// change to full screen): the new window, listed by the watch's ticks while
// the target lived, is taken at the loss.
TEST_F(TargetReacquireTest, AWindowMadeWhileTheTargetLivedIsTakenAtTheLoss) {
  Editor old = Open("editor.exe", "a.txt - Editor");
  reacquire.SetEnabled(true);
  reacquire.Follow(tree, old.edit, kDesktop);
  Editor replacement = Open("editor.exe", "a.txt - Editor");
  reacquire.Follow(tree, old.edit, kDesktop);
  LoseEditOf(old);
  EXPECT_EQ(NoticeAndTry({}), replacement.edit);

  // The target ends while the windows there are listed as it is taken, and
  // its replacement comes meanwhile: nothing listed counts as there.
  Editor next;
  tree.whileListing = [&] {
    tree.Remove(replacement.main);
    next = Open("editor.exe", "a.txt - Editor");
  };
  reacquire.Follow(tree, replacement.edit, kDesktop);
  ASSERT_TRUE(reacquire.Lost(tree, HookTarget{replacement.edit, 12, 34, 320, 200}, now));
  EXPECT_EQ(NoticeAndTry({}), next.edit);
}

TEST_F(TargetReacquireTest, ACandidateThatNeverAnswersIsDroppedUntilWordOfItComesAgain) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor hidden = Open("editor.exe", "a.txt - Editor");
  tree.At(hidden.main).visible = false;
  EXPECT_EQ(NoticeAndTry({hidden.main}), 0u);
  now += TargetReacquire::kCandidateTriesMs - 1;
  EXPECT_EQ(NoticeAndTry({}), 0u);
  EXPECT_TRUE(reacquire.HasCandidates());
  now += 1;
  EXPECT_EQ(NoticeAndTry({}), 0u);
  EXPECT_FALSE(reacquire.HasCandidates()) << "given up";
  tree.At(hidden.main).visible = true;
  EXPECT_EQ(NoticeAndTry({hidden.main}), hidden.edit) << "shown: tried again";
}

TEST_F(TargetReacquireTest, AWaitForAKnownIdentityTakesAWindowAlreadyThere) {
  Editor there = Open("editor.exe", "a.txt - Editor");
  const WindowIdentity identity = *DescribeWindow(tree, there.edit);
  EXPECT_FALSE(reacquire.Await(tree, identity, HookTarget{0, 10, 20, 200, 100}, now)) << "switch off";
  reacquire.SetEnabled(true);
  EXPECT_EQ(reacquire.IdentityOf(tree, there.edit, kDesktop), identity);
  EXPECT_EQ(reacquire.IdentityOf(tree, kDesktop, kDesktop), std::nullopt);
  ASSERT_TRUE(reacquire.Await(tree, identity, HookTarget{0, 10, 20, 200, 100}, now));
  EXPECT_EQ(NoticeAndTry({}), there.edit);
}

TEST_F(TargetReacquireTest, NoWaitWhenOffUnknownCancelledOrSwitchedOff) {
  Editor e = Open("editor.exe", "a.txt - Editor");
  reacquire.Follow(tree, e.edit, kDesktop);
  EXPECT_FALSE(reacquire.Lost(tree, HookTarget{e.edit}, now)) << "switch off";
  reacquire.SetEnabled(true);
  EXPECT_FALSE(reacquire.Lost(tree, HookTarget{0x999}, now)) << "gone before the watch saw it";
  tree.At(e.main).executable = "";
  const WindowId unnamed = tree.AddChild(e.main, "Edit", 3);
  reacquire.Follow(tree, unnamed, kDesktop);
  EXPECT_FALSE(reacquire.Lost(tree, HookTarget{unnamed}, now)) << "a program that cannot be named";
  tree.At(e.main).executable = "editor.exe";

  LoseEditOf(e);
  reacquire.Cancel();
  Editor again = Open("editor.exe", "a.txt - Editor");
  EXPECT_EQ(NoticeAndTry({again.main}), 0u);
  LoseEditOf(again);
  reacquire.SetEnabled(false);
  EXPECT_EQ(NoticeAndTry({Open("editor.exe", "a.txt - Editor").main}), 0u);

  // Off and on again while the target stays: a later loss still waits.
  Editor kept = Open("editor.exe", "a.txt - Editor");
  reacquire.SetEnabled(true);
  reacquire.Follow(tree, kept.edit, kDesktop);
  reacquire.SetEnabled(false);
  LoseEditOf(kept);
  // A window never followed (another one was) starts no wait.
  Editor followed = Open("editor.exe", "a.txt - Editor");
  Editor never = Open("editor.exe", "a.txt - Editor");
  reacquire.Follow(tree, followed.edit, kDesktop);
  tree.Remove(never.main);
  EXPECT_FALSE(reacquire.Lost(tree, HookTarget{never.edit}, now));
}

TEST(KeptTarget, WrittenAndReadBackOrRemovedAndIncompleteIsNone) {
  MemorySettingsStore store;
  store.Set("Main", "Reacquire", "1");
  const KeptTarget kept{{"editor.exe", "a.txt - エディタ", {{"EditorMain", 0}, {"Frame", 1}, {"Edit", -15}}},
                        HookTarget{0, -10, 20, 200, 100}};
  WriteKeptTarget(store, kept);
  EXPECT_EQ(ReadKeptTarget(store), kept);
  store.Set("Reacquire", "Stale", "1");
  WriteKeptTarget(store, kept);
  EXPECT_FALSE(store.Read("Reacquire", "Stale")) << "written anew";

  for (const char* key : {"Executable", "Links", "Class2", "Height"}) {
    MemorySettingsStore partial = store;
    partial.values.erase({"Reacquire", key});
    EXPECT_EQ(ReadKeptTarget(partial), std::nullopt) << key;
  }
  MemorySettingsStore tooLong = store;
  tooLong.Set("Reacquire", "Links", std::to_string(kMaxKeptLinks + 1));
  for (int i = 0; i <= kMaxKeptLinks; ++i) tooLong.Set("Reacquire", "Class" + std::to_string(i), "C");
  EXPECT_EQ(ReadKeptTarget(tooLong), std::nullopt);
  // A chain of no link names no window; one of a single link, a top-level
  // window, does.
  MemorySettingsStore links = store;
  links.Set("Reacquire", "Links", "0");
  EXPECT_EQ(ReadKeptTarget(links), std::nullopt);
  links.Set("Reacquire", "Links", "1");
  ASSERT_TRUE(ReadKeptTarget(links));
  EXPECT_EQ(ReadKeptTarget(links)->identity.chain, (std::vector<ChainLink>{{"EditorMain", 0}}));

  WriteKeptTarget(store, std::nullopt);
  EXPECT_EQ(ReadKeptTarget(store), std::nullopt);
  EXPECT_EQ(store.values.size(), 1u) << "only section Main is left";
}

}  // namespace
}  // namespace nolb
