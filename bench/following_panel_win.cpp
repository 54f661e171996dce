#include "bench/following_panel_win.h"

#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>

#include "standin/journal_ring.h"

namespace bench {

namespace {

constexpr wchar_t kNameProperty[] = L"NOLB.Name";

struct ControlSearch {
  const wchar_t* name;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<ControlSearch*>(parameter);
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, kNameProperty)));
  wchar_t name[64];
  if (atom && GlobalGetAtomNameW(atom, name, 64) && std::wcscmp(name, search.name) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND ControlNamed(HWND form, const wchar_t* name) {
  ControlSearch search{name, nullptr};
  EnumChildWindows(form, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsQuery(const NolbJournalEntry& entry) {
  return Named(entry, "NOLB_IsEnabled") || Named(entry, "NOLB_IsHooked") || Named(entry, "NOLB_GetTarget") ||
         Named(entry, "NOLB_GetStatus");
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  while (!condition()) {
    if (NowMs() > deadline) return false;
    Sleep(1);
  }
  return true;
}

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
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = ControlNamed(panel.main, L"CheckBoxAutoMouse")) != nullptr; })) {
    throw std::runtime_error("the main window has no CheckBoxAutoMouse");
  }
  PostMessageW(box, BM_CLICK, 0, 0);
  auto ticking = [&] {
    for (const auto& entry : CallsOf(library, id)) {
      if (panel.IsTickCall(entry) && PlacesCursor(entry)) return true;
    }
    return false;
  };
  if (!WaitFor(ticking)) throw std::runtime_error("mouse following pushed nothing");
  return panel;
}

}  // namespace bench
