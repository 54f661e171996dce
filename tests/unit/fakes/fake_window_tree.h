// A window tree of several programs for tests. A new top-level window opens
// on top of the others; children are listed in the order they were made.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "target/window_tree.h"

namespace nolb {

class FakeWindowTree : public WindowTree {
 public:
  struct Window {
    WindowId parent = 0;
    std::string executable;
    std::string className;
    std::string text;
    std::int32_t controlId = 0;
    bool visible = true;
  };

  WindowId AddTopLevel(std::string executable, std::string className, std::string title,
                       bool visible = true) {
    const WindowId id = New({0, std::move(executable), std::move(className), std::move(title), 0, visible});
    zOrder_.insert(zOrder_.begin(), id);
    return id;
  }
  WindowId AddChild(WindowId parent, std::string className, std::int32_t controlId) {
    return New({parent, windows_.at(parent).executable, std::move(className), "", controlId, true});
  }
  // Removes the window and its children.
  void Remove(WindowId window) {
    for (WindowId child : Children(window)) Remove(child);
    windows_.erase(window);
    std::erase(zOrder_, window);
  }
  Window& At(WindowId window) { return windows_.at(window); }

  bool IsWindow(WindowId window) override { return windows_.contains(window); }
  bool IsVisible(WindowId window) override { return IsWindow(window) && windows_[window].visible; }
  WindowId ParentOf(WindowId window) override { return IsWindow(window) ? windows_[window].parent : 0; }
  std::vector<WindowId> Children(WindowId window) override {
    std::vector<WindowId> children;
    for (const auto& [id, w] : windows_) {
      if (w.parent == window && window != 0) children.push_back(id);
    }
    return children;
  }
  std::vector<WindowId> TopLevelWindows() override { return zOrder_; }
  std::string Text(WindowId window) override { return IsWindow(window) ? windows_[window].text : ""; }
  std::string ClassName(WindowId window) override {
    return IsWindow(window) ? windows_[window].className : "";
  }
  std::int32_t ControlId(WindowId window) override {
    return IsWindow(window) ? windows_[window].controlId : 0;
  }
  std::string ExecutableName(WindowId window) override {
    return IsWindow(window) ? windows_[window].executable : "";
  }

 private:
  WindowId New(Window w) {
    const WindowId id = nextId_++;
    windows_[id] = std::move(w);
    return id;
  }

  std::map<WindowId, Window> windows_;
  std::vector<WindowId> zOrder_;  // topmost first
  WindowId nextId_ = 0x100;
};

}  // namespace nolb
