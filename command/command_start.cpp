#include "command/command_start.h"

namespace nolb {

StartAction ChooseStartAction(Starter starter, bool hasCommand, MutexProbe probe) {
  if (probe == MutexProbe::kDenied) {
    return hasCommand || starter == Starter::kCompanion ? StartAction::kRefuse : StartAction::kWarn;
  }
  if (!hasCommand && starter == Starter::kPanel) {
    return probe == MutexProbe::kExists ? StartAction::kEndSilently : StartAction::kBecomePanel;
  }
  return probe == MutexProbe::kExists ? StartAction::kSend : StartAction::kStartPanelAndSend;
}

bool KeepWaitingForPanel(std::uint32_t waitedMs, bool startedOne, bool panelRuns, bool startedOneRuns) {
  if (waitedMs >= (startedOne ? kStartedPanelWaitMs : kStartingPanelWaitMs)) return false;
  return panelRuns || (startedOne && startedOneRuns);
}

}  // namespace nolb
