// The window tree over the real Win32 API.
#pragma once

#include "ui/window_system_win.h"
#include "target/window_tree.h"

namespace nolb {

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

 private:
  Win32WindowSystem windows_;
};

}  // namespace nolb
