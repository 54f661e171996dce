// standin_group_writer.exe: a second process for the end-to-end tests of the
// library's Lock/Unlock groups.
//   --groups N       pushes N groups; group i sets the rectangle to
//                    (i, i, i, i) and the mouse position to (i, i)
//   --hold-in-group V opens a group, sets the rectangle to (V, V, V, V),
//                    signals the event kHoldingEventName and waits, inside
//                    the group, until it is killed
// Exit code 0 when every call succeeded.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "standin/standin_library_win.h"

namespace {

constexpr wchar_t kHoldingEventName[] = L"Local\\NOLBStandIn.Test.HoldingGroup";

int PushGroups(nolb::standin::StandinLibrary& library, int count) {
  for (int i = 1; i <= count; ++i) {
    const bool ok = library.NOLB_Lock() && library.NOLB_SetTarget(nullptr, i, i, i, i) &&
                    library.NOLB_SetMousePos(i, i) && library.NOLB_Unlock();
    if (!ok) return 3;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputws(L"usage: standin_group_writer.exe --groups N | --hold-in-group V\n", stderr);
    return 2;
  }
  const std::wstring option = argv[1];
  const int value = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
  try {
    nolb::standin::StandinLibrary library;
    if (option == L"--groups") return PushGroups(library, value);
    if (option == L"--hold-in-group") {
      const ui::KernelHandle holding(CreateEventW(nullptr, TRUE, FALSE, kHoldingEventName));
      if (!holding || !library.NOLB_Lock()) return 3;
      library.NOLB_SetTarget(nullptr, value, value, value, value);
      SetEvent(holding.Get());
      Sleep(INFINITE);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "standin_group_writer: %s\n", error.what());
    return 1;
  }
  return 2;
}
