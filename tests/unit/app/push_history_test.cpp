#include "app/push_history.h"
#include "app/setup_in_force.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "tests/unit/fakes/recording_hook.h"

namespace nolb {
namespace {

// A push, an undo, a redo or a window closed, and what each left.
TEST(PushHistory, StepsGoBackAndForthPassOverGoneWindowsAndANewPushDropsTheUndone) {
  const CaptureSettings s0{.target = 1}, s1{.target = 1, .x = 1}, s2{.target = 2, .x = 2}, s3{.target = 1, .x = 3},
      s4{.target = 1, .x = 4};
  enum Op { kPush, kUndo, kRedo, kClose2 };
  const struct {
    Op op;
    CaptureSettings before, after;  // a push
    std::optional<CaptureSettings> setup;
    int skipped;
    bool canUndo, canRedo;
  } steps[] = {
      {kPush, s0, s0, {}, 0, false, false},  // changed nothing: no step
      {kPush, s0, s1, {}, 0, true, false},   {kPush, s1, s2, {}, 0, true, false},
      {kPush, s2, s3, {}, 0, true, false},   {kUndo, {}, {}, s2, 0, true, true},
      {kUndo, {}, {}, s1, 0, true, true},    {kUndo, {}, {}, s0, 0, false, true},
      {kUndo, {}, {}, {}, 0, false, true},   {kRedo, {}, {}, s1, 0, true, true},
      {kClose2, {}, {}, {}, 0, true, true},  {kRedo, {}, {}, s3, 1, true, false},
      {kUndo, {}, {}, s1, 1, true, true},    {kPush, s1, s4, {}, 0, true, false},
      {kUndo, {}, {}, s1, 0, true, true},    {kPush, s2, s3, {}, 0, true, false},
      {kUndo, {}, {}, s0, 1, false, true},   {kRedo, {}, {}, s1, 0, true, true},
      {kRedo, {}, {}, s3, 0, true, false},   {kRedo, {}, {}, {}, 0, true, false},
  };
  PushHistory history;
  bool window2 = true;
  auto present = [&](WindowId w) { return w != 2 || window2; };
  for (int row = 0; const auto& s : steps) {
    PushHistory::Move move;
    if (s.op == kPush) history.Record(s.before, s.after);
    if (s.op == kUndo) move = history.Undo(present);
    if (s.op == kRedo) move = history.Redo(present);
    if (s.op == kClose2) window2 = false;
    EXPECT_EQ(move, (PushHistory::Move{s.setup, s.skipped})) << "row " << row;
    EXPECT_EQ(std::pair(history.CanUndo(), history.CanRedo()), std::pair(s.canUndo, s.canRedo)) << "row " << row;
    ++row;
  }
}

TEST(PushHistory, KeepsTheNewestStepsUpToItsLimitAndMovesNowhereWithoutAWindow) {
  PushHistory history(2);
  for (int x = 0; x < 3; ++x) history.Record({.x = x}, {.x = x + 1});
  EXPECT_EQ(history.Undo([](WindowId) { return false; }), (PushHistory::Move{std::nullopt, 2}));
  EXPECT_TRUE(history.CanUndo()) << "with every window gone nothing moves";
  EXPECT_EQ(history.Undo([](WindowId) { return true; }).setup, CaptureSettings{.x = 2});
  EXPECT_EQ(history.Undo([](WindowId) { return true; }).setup, CaptureSettings{.x = 1});
  EXPECT_FALSE(history.CanUndo());
}

TEST(SetupInForce, IsTheLastModeAndTargetPassedOnToTheLibrary) {
  RecordingHook library;
  SetupInForce hook(library);
  const CaptureSettings s{.target = 7, .x = 1, .y = 2, .width = 3, .height = 4, .useDirectDraw = 1, .zoom = true,
                          .showCursor = true, .showAlphaWindow = true, .fixAspect = true, .rotateType = 3};
  PushCaptureSettings(s, hook);
  EXPECT_EQ(hook.InForce(), s);
  EXPECT_EQ(library.calls.size(), 5u) << "Lock, SetMode, SetTarget, Enabled, Unlock";
}

}  // namespace
}  // namespace nolb
