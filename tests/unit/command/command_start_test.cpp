#include "command/command_start.h"

#include <gtest/gtest.h>

#include "command/command_output.h"

namespace nolb {
namespace {

using A = StartAction;
using M = MutexProbe;

TEST(ChooseStartAction, OnlyThePanelsProgramWithoutSwitchesBecomesThePanel) {
  const std::tuple<Starter, bool, MutexProbe, StartAction> cases[] = {
      {Starter::kPanel, false, M::kCreated, A::kBecomePanel},
      {Starter::kPanel, false, M::kFailed, A::kBecomePanel},  // as before the mutex
      {Starter::kPanel, false, M::kExists, A::kEndSilently},
      // A panel run as administrator keeps its mutex from this process: it
      // runs, and a second one must not start beside it.
      {Starter::kPanel, false, M::kDenied, A::kWarn},
      {Starter::kPanel, true, M::kDenied, A::kRefuse},
      {Starter::kCompanion, false, M::kDenied, A::kRefuse},
      {Starter::kPanel, true, M::kExists, A::kSend},
      {Starter::kCompanion, false, M::kExists, A::kSend},
      {Starter::kPanel, true, M::kMissing, A::kStartPanelAndSend},
      {Starter::kCompanion, true, M::kFailed, A::kStartPanelAndSend},
      {Starter::kCompanion, false, M::kMissing, A::kStartPanelAndSend},
  };
  for (const auto& [starter, command, probe, action] : cases) {
    EXPECT_EQ(ChooseStartAction(starter, command, probe), action)
        << static_cast<int>(starter) << command << static_cast<int>(probe);
  }
}

TEST(KeepWaitingForPanel, WhileAPanelIsComingAndTheTimeIsNotUp) {
  // waited ms, started one, a panel holds the mutex, the started one runs.
  const std::tuple<std::uint32_t, bool, bool, bool, bool> cases[] = {
      {4999, false, true, false, true}, {5000, false, true, false, false}, {9999, true, true, true, true},
      {10000, true, true, true, false}, {0, false, false, false, false},
      // The one started has not made the mutex yet, or ended for another's.
      {100, true, false, true, true},   {100, true, false, false, false}, {100, false, false, true, false},
  };
  for (const auto& [waited, started, runs, startedRuns, keep] : cases) {
    EXPECT_EQ(KeepWaitingForPanel(waited, started, runs, startedRuns), keep) << waited << started << runs << startedRuns;
  }
}

TEST(ChooseOutputForm, AConsoleInUtf16AFileInUtf8AndWithoutEitherANotice) {
  EXPECT_EQ(ChooseOutputForm(StandardHandle::kConsole, true), OutputForm::kConsole);
  EXPECT_EQ(ChooseOutputForm(StandardHandle::kFileOrPipe, true), OutputForm::kBytes);
  EXPECT_EQ(ChooseOutputForm(StandardHandle::kNone, true), OutputForm::kParentConsole);
  EXPECT_TRUE(ChooseOutputForm(StandardHandle::kNone, false) == OutputForm::kNone && WithCrLf("a\nb\n") == "a\r\nb\r\n");
}

}  // namespace
}  // namespace nolb
