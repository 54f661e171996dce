// The window tree over the real Win32 API.
#pragma once

#include <windows.h>

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
  std::int32_t ControlId(WindowId window) override;
  std::string ExecutableName(WindowId window) override;
  bool BelongsToThisProgram(WindowId window) override;
  bool IsCloaked(WindowId window) override;

 private:
  Win32WindowSystem windows_;
};

}  // namespace nolb
