// The window tree over the real Win32 API.
#pragma once

#include <windows.h>

#include <set>

#include "ui/window_system_win.h"
#include "target/window_tree.h"

namespace nolb {

// Windows 8 and later keep some windows visible but hidden ("cloaked": apps
// suspended or on another virtual desktop); they are not on the screen.
bool IsCloakedWindow(HWND window);

class Win32WindowTree : public WindowTree {
 public:
  bool IsWindow(WindowId window) override;
  bool IsVisible(WindowId window) override;
  WindowId ParentOf(WindowId window) override;
  std::vector<WindowId> Children(WindowId window) override;
  std::vector<WindowId> TopLevelWindows() override;
  std::string Text(WindowId window) override;
  std::string ClassName(WindowId window) override;
  // WM_GETTEXT through SendMessageTimeout: a program that hangs, or does
  // not answer within a short time, freezes nothing. Its threads are not
  // asked again for the life of this object; their windows give Text.
  std::string ControlText(WindowId window) override;
  std::int32_t ControlId(WindowId window) override;
  std::string ExecutableName(WindowId window) override;
  bool BelongsToThisProgram(WindowId window) override;
  bool IsCloaked(WindowId window) override;

 private:
  Win32WindowSystem windows_;
  std::set<DWORD> silentThreads_;
};

}  // namespace nolb
