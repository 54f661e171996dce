// The window tree as finding a lost target again sees it: which program a
// window belongs to, its class, its control identifier, its place among its
// parent's children and in the z-order. The Win32 shell implements it over
// the real API; unit tests with a fake tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/capture_hook.h"

namespace nolb {

class WindowTree {
 public:
  virtual ~WindowTree() = default;

  virtual bool IsWindow(WindowId window) = 0;
  virtual bool IsVisible(WindowId window) = 0;
  // The parent of a child window; 0 for a top-level window (an owner does
  // not count).
  virtual WindowId ParentOf(WindowId window) = 0;
  // The direct children, topmost first.
  virtual std::vector<WindowId> Children(WindowId window) = 0;
  // The top-level windows of the desktop, topmost first.
  virtual std::vector<WindowId> TopLevelWindows() = 0;
  // Window text and class name, UTF-8.
  virtual std::string Text(WindowId window) = 0;
  virtual std::string ClassName(WindowId window) = 0;
  // The text a control holds now (an edit's contents, which Text does not
  // give for another program's window), UTF-8; asked of its program with a
  // short wait, and Text when the program does not answer in time.
  virtual std::string ControlText(WindowId window) { return Text(window); }
  virtual std::int32_t ControlId(WindowId window) = 0;
  // The file name, without folder, of the executable of the window's
  // process (UTF-8); empty when it cannot be read.
  virtual std::string ExecutableName(WindowId window) = 0;
  // Whether the window belongs to this program's own process.
  virtual bool BelongsToThisProgram(WindowId window) = 0;
  // Whether the desktop window manager keeps a shown window out of sight
  // (cloaked: a suspended app's window, one on another virtual desktop).
  virtual bool IsCloaked(WindowId window) = 0;
};

}  // namespace nolb
