// The GDI and USER objects of another process.
//
// Windows counts both (GetGuiResources). Wine 8 does not: GetGuiResources
// returns 0 with ERROR_CALL_NOT_IMPLEMENTED. There the GDI objects are
// counted in the process's own GDI handle table, read out of its memory:
// a 32-bit process of this Wine has a 64-bit TEB beside its own (whose
// address its TEB keeps in GdiBatchCount), that TEB's PEB holds the table's
// address (GdiSharedHandleTable), and a used entry of the table's 16384
// has a non-zero type. The USER objects that can be counted from outside
// there are the windows: the process's top-level windows and their
// descendants, hidden ones included (menus, icons and cursors are not
// counted; an icon's bitmaps are GDI objects, though).
#pragma once

#include <windows.h>

#include <optional>

namespace bench {

struct GuiObjects {
  std::optional<int> gdi;  // nothing when it cannot be read
  int user = 0;
  bool userAreWindows = false;  // user counts only the windows (under Wine)
};

// threadId: a thread of the process that has drawn (its GUI thread).
GuiObjects CountGuiObjects(DWORD processId, DWORD threadId);

}  // namespace bench
