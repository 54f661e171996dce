#include "target/target_reacquire.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/fake_window_system.h"
#include "tests/unit/fakes/fake_window_tree.h"

namespace nolb {
namespace {

constexpr WindowId kDesktop = 1;
constexpr HookTarget kRect{0, 12, 34, 320, 200};

// An editor: its main window holds a frame (id 1) with two edits (ids 15
// and 16, both of class Edit); the target is the edit with id 15.
struct Editor {
  WindowId main = 0, frame = 0, edit = 0, otherEdit = 0;
};

class TargetReacquireTest : public ::testing::Test {
 protected:
  Editor Open(const std::string& exe, const std::string& title, bool withChildren = true) {
    Editor e;
    e.main = tree.AddTopLevel(exe, "EditorMain", title);
    if (withChildren) AddChildren(e);
    return e;
  }
  void AddChildren(Editor& e) {
    e.frame = tree.AddChild(e.main, "Frame", 1);
    e.otherEdit = tree.AddChild(e.frame, "Edit", 16);
    e.edit = tree.AddChild(e.frame, "Edit", 15);
  }
  // The switch on, the edit followed by the watch, then its program gone.
  void LoseEditOf(const Editor& e) {
    reacquire.SetEnabled(true);
    reacquire.Follow(tree, e.edit, kDesktop);
    tree.Remove(e.main);
    HookTarget lost = kRect;
    lost.window = e.edit;
    ASSERT_TRUE(reacquire.Lost(tree, lost));
  }
  std::optional<HookTarget> NoticeAndTry(std::initializer_list<WindowId> windows) {
    for (WindowId w : windows) reacquire.Noticed(tree, w);
    return reacquire.TryCandidates(tree);
  }

  FakeWindowTree tree;
  TargetReacquire reacquire;
};

TEST_F(TargetReacquireTest, TheIdentityRunsFromTheTopLevelWindowDownToTheTarget) {
  Editor e = Open("editor.exe", "a.txt - Editor");
  EXPECT_EQ(DescribeWindow(tree, e.edit),
            (WindowIdentity{"editor.exe", "a.txt - Editor", {{"EditorMain", 0}, {"Frame", 1}, {"Edit", 15}}}));
  tree.At(e.main).executable = "";
  EXPECT_FALSE(DescribeWindow(tree, e.edit)) << "a program that cannot be named is not remembered";
}

TEST_F(TargetReacquireTest, TheRestartedProgramsControlIsTakenWithTheRememberedRectangle) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor again = Open("EDITOR.EXE", "a.txt - Editor");
  // Word of a child's creation counts for its top-level window.
  std::optional<HookTarget> taken = NoticeAndTry({again.otherEdit});
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, again.edit) << "the control id, not only the class, picks the edit";
  EXPECT_EQ(taken->x, 12);
  EXPECT_EQ(taken->y, 34);
  EXPECT_EQ(taken->width, 320);
  EXPECT_EQ(taken->height, 200);
  EXPECT_FALSE(reacquire.Waiting());

  CaptureState state;
  FakeWindowSystem windows;
  const TargetView view = TakeReacquired(state, windows, *taken);
  EXPECT_EQ(state.Settings().target, again.edit);
  EXPECT_EQ(view, (TargetView{again.edit, windows.Text(again.edit) + " (" + windows.ClassName(again.edit) + ")",
                              12, 34, 320, 200}));
}

TEST_F(TargetReacquireTest, AWindowNotShownOrWithoutItsChildrenYetIsTriedAgain) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor again = Open("editor.exe", "a.txt - Editor", false);
  tree.At(again.main).visible = false;
  EXPECT_FALSE(NoticeAndTry({again.main}));
  tree.At(again.main).visible = true;
  EXPECT_FALSE(reacquire.TryCandidates(tree)) << "shown, but without its children";
  EXPECT_TRUE(reacquire.HasCandidates());
  AddChildren(again);
  std::optional<HookTarget> taken = reacquire.TryCandidates(tree);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, again.edit);
  EXPECT_FALSE(reacquire.HasCandidates());
}

TEST_F(TargetReacquireTest, AnotherProgramWithTheSameClassesIsNeverTaken) {
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  Editor other = Open("viewer.exe", "a.txt - Editor");
  EXPECT_FALSE(NoticeAndTry({other.main}));
  EXPECT_FALSE(reacquire.HasCandidates()) << "refused for good";
  EXPECT_FALSE(reacquire.Noticed(tree, other.edit));
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
  std::optional<HookTarget> taken = NoticeAndTry({b.main, c.main});
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, b.edit);

  LoseEditOf(b);
  Editor d = Open("editor.exe", "d.txt - Editor");
  Editor e = Open("editor.exe", "e.txt - Editor");
  taken = NoticeAndTry({d.main, e.main, c.main});
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, e.edit) << "no title matches: the topmost";
}

TEST_F(TargetReacquireTest, WindowsThereAtTheLossAreNeverTaken) {
  Editor second = Open("editor.exe", "a.txt - Editor");  // a second instance, already running
  LoseEditOf(Open("editor.exe", "a.txt - Editor"));
  tree.At(second.main).visible = false;  // hidden and shown again
  tree.At(second.main).visible = true;
  EXPECT_FALSE(reacquire.Noticed(tree, second.main));
  EXPECT_FALSE(reacquire.TryCandidates(tree));
  // A new window of that instance counts as any new window does.
  Editor fresh = Open("editor.exe", "a.txt - Editor");
  std::optional<HookTarget> taken = NoticeAndTry({fresh.main});
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->window, fresh.edit);
}

TEST_F(TargetReacquireTest, NoWaitWhenOffUnknownCancelledOrSwitchedOff) {
  Editor e = Open("editor.exe", "a.txt - Editor");
  HookTarget lost = kRect;
  lost.window = e.edit;
  reacquire.Follow(tree, e.edit, kDesktop);
  EXPECT_FALSE(reacquire.Lost(tree, lost)) << "switch off";

  reacquire.SetEnabled(true);
  lost.window = 0x999;  // never followed (gone before the watch saw it)
  EXPECT_FALSE(reacquire.Lost(tree, lost));

  LoseEditOf(e);
  reacquire.Cancel();
  Editor again = Open("editor.exe", "a.txt - Editor");
  EXPECT_FALSE(NoticeAndTry({again.main}));

  LoseEditOf(again);
  reacquire.SetEnabled(false);
  EXPECT_FALSE(reacquire.Waiting());
  Editor third = Open("editor.exe", "a.txt - Editor");
  EXPECT_FALSE(NoticeAndTry({third.main}));
}

}  // namespace
}  // namespace nolb
