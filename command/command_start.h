// What a process of the program does when it starts, decided from its
// command and from what it finds of a running panel. A command process
// never becomes the panel: when none runs it starts one, as a process of
// its own that goes on running, waits for it, and hands the command over,
// so that whoever waits for the command gets its true code at once.
#pragma once

#include <cstdint>

namespace nolb {

// Who started: the panel's own program (NOLBPanel.exe), or its console
// companion (NOLBPanel.com), which without switches brings the panel up.
enum class Starter : std::uint8_t { kPanel, kCompanion };

// What asking for the single-instance mutex found.
enum class MutexProbe : std::uint8_t {
  kCreated,  // this process made it: no panel runs
  kExists,   // a panel runs
  kDenied,   // a panel runs at a higher integrity level (as administrator)
  kMissing,  // no panel runs (only looked at, not made)
  kFailed,   // anything else: as if none ran
};

enum class StartAction : std::uint8_t {
  kBecomePanel,
  kEndSilently,        // a panel runs and there is nothing to tell it (code 0)
  kSend,               // hand the command over to the panel that runs
  kStartPanelAndSend,  // start a panel first, wait for it, hand over
  kRefuse,             // an elevated panel runs: code 5 and why, in writing
  kWarn,               // the same in a message box (a start without switches)
};

// A process with a command (or the companion, whose start without switches
// asks the panel to come forward) only looks at the mutex (kExists,
// kDenied, kMissing, kFailed); the panel's own program without switches
// asks for it (kCreated, kExists, kDenied, kFailed).
StartAction ChooseStartAction(Starter starter, bool hasCommand, MutexProbe probe);

// How long a command waits for the command window of a panel: one that it
// started itself, or one whose mutex was there already.
inline constexpr std::uint32_t kStartedPanelWaitMs = 10000;
inline constexpr std::uint32_t kStartingPanelWaitMs = 5000;

// Whether to go on waiting for the panel's command window, which is not
// there yet: while a panel holds the mutex, or the panel this process
// started still runs, and the time is not up.
bool KeepWaitingForPanel(std::uint32_t waitedMs, bool startedOne, bool panelRuns, bool startedOneRuns);

}  // namespace nolb
