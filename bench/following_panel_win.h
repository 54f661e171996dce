// The panel started for the follow-mode benchmark and soak: from a folder
// of its own, with mouse following switched on by a click on its check box,
// and what the stand-in library's journal says about it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "bench/bench_support_win.h"
#include "standin/standin_library_win.h"

namespace bench {

// The journal's entries of one process, oldest first, without the queries
// of the panel's window timers (IsEnabled, IsHooked, GetTarget, GetStatus).
std::vector<NolbJournalEntry> CallsOf(const nolb::standin::StandinLibrary& library, DWORD processId);

bool Named(const NolbJournalEntry& entry, const char* function);
// A SetMousePos that places the cursor (not the withdrawal).
bool PlacesCursor(const NolbJournalEntry& entry);

struct FollowingPanel {
  std::unique_ptr<Child> process;
  HWND main = nullptr;
  DWORD guiThread = 0;

  // The calls of the real-time tick: those of any thread but the GUI thread.
  bool IsTickCall(const NolbJournalEntry& entry) const {
    return entry.processId == process->Id() && entry.threadId != guiThread;
  }
};

// Starts the panel, waits for its main window, clicks "マウスカーソルに追従する"
// and waits for the first push of the tick. Throws when any step fails.
FollowingPanel StartFollowingMouse(const nolb::standin::StandinLibrary& library, const fs::path& exe,
                                   const fs::path& folder);

// Moves the cursor round a circle in the screen's middle until the time is up.
void CircleTheCursor(double untilMs);

}  // namespace bench
