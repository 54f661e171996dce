#include "bench/following_panel_win.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "standin/journal_ring.h"

namespace bench {

namespace {

bool IsQuery(const NolbJournalEntry& entry) {
  return Named(entry, "NOLB_IsEnabled") || Named(entry, "NOLB_IsHooked") || Named(entry, "NOLB_GetTarget") ||
         Named(entry, "NOLB_GetStatus");
}

}  // namespace

bool Named(const NolbJournalEntry& entry, const char* function) {
  return std::strcmp(entry.function, function) == 0;
}

bool PlacesCursor(const NolbJournalEntry& entry) {
  return Named(entry, "NOLB_SetMousePos") && entry.argCount == 2 && entry.args[0] != INT_MIN;
}

std::vector<NolbJournalEntry> CallsOf(const nolb::standin::StandinLibrary& library, DWORD processId) {
  std::vector<NolbJournalEntry> entries(nolb::standin::kJournalCapacity);
  entries.resize(library.NOLBTest_ReadJournal(entries.data(), static_cast<int>(entries.size())));
  std::erase_if(entries, [&](const NolbJournalEntry& e) { return e.processId != processId || IsQuery(e); });
  return entries;
}

FollowingPanel StartFollowingMouse(const nolb::standin::StandinLibrary& library, const fs::path& exe,
                                   const fs::path& folder) {
  FollowingPanel panel;
  panel.process = std::make_unique<Child>(exe, folder);
  const DWORD id = panel.process->Id();
  if (!WaitFor([&] { return (panel.main = VisibleWindow(id, L"TMainForm")) != nullptr; })) {
    throw std::runtime_error("NOLBPanel.exe showed no main window");
  }
  panel.guiThread = GetWindowThreadProcessId(panel.main, nullptr);
  PostMessageW(WaitForControl(panel.main, L"CheckBoxAutoMouse"), BM_CLICK, 0, 0);
  auto ticking = [&] {
    for (const auto& entry : CallsOf(library, id)) {
      if (panel.IsTickCall(entry) && PlacesCursor(entry)) return true;
    }
    return false;
  };
  if (!WaitFor(ticking)) throw std::runtime_error("mouse following pushed nothing");
  return panel;
}

void CircleTheCursor(double untilMs) {
  for (int step = 0; NowMs() < untilMs; ++step) {
    const double angle = step * 0.05;
    SetCursorPos(640 + static_cast<int>(200 * std::cos(angle)), 512 + static_cast<int>(200 * std::sin(angle)));
    Sleep(15);
  }
}

}  // namespace bench
