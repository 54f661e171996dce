// A window tree of several programs for tests. A new top-level window opens
// on top of the others; children are listed in the order they were made.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "target/window_tree.h"

namespace nolb {

class FakeWindowTree : public WindowTree {
 public:
  struct Window {
    WindowId parent = 0;
    std::string executable, className, text;
    std::int32_t controlId = 0;
    bool visible = true;
    bool ours = false;  // one of the program's own windows
    bool cloaked = false;
  };

  WindowId AddTopLevel(std::string executable, std::string className, std::string title) {
    windows_[next_] = {0, std::move(executable), std::move(className), std::move(title), 0, true, false, false};
    zOrder_.insert(zOrder_.begin(), next_);
    return next_++;
  }
  WindowId AddChild(WindowId parent, std::string className, std::int32_t controlId) {
    windows_[next_] = {parent, windows_.at(parent).executable, std::move(className), "", controlId, true,
                        windows_.at(parent).ours, false};
    return next_++;
  }
  // Removes the window and its children.
  void Remove(WindowId window) {
    for (WindowId child : Children(window)) Remove(child);
    windows_.erase(window);
    std::erase(zOrder_, window);
  }
  Window& At(WindowId window) { return windows_.at(window); }
  // Changes the tree while the next listing of the top-level windows runs
  // (another program works meanwhile), once.
  std::function<void()> whileListing;

  bool IsWindow(WindowId window) override { return windows_.contains(window); }
  bool IsVisible(WindowId window) override { return Get(window).visible; }
  WindowId ParentOf(WindowId window) override { return Get(window).parent; }
  std::vector<WindowId> Children(WindowId window) override {
    std::vector<WindowId> children;
    for (const auto& [id, w] : windows_) {
      if (w.parent == window) children.push_back(id);
    }
    return children;
  }
  std::vector<WindowId> TopLevelWindows() override {
    if (auto changes = std::exchange(whileListing, nullptr)) changes();
    return zOrder_;
  }
  std::string Text(WindowId window) override { return Get(window).text; }
  std::string ClassName(WindowId window) override { return Get(window).className; }
  std::int32_t ControlId(WindowId window) override { return Get(window).controlId; }
  std::string ExecutableName(WindowId window) override { return Get(window).executable; }
  bool BelongsToThisProgram(WindowId window) override { return Get(window).ours; }
  bool IsCloaked(WindowId window) override { return Get(window).cloaked; }

 private:
  // A window that no longer exists reads as empty and hidden.
  Window Get(WindowId window) const {
    auto found = windows_.find(window);
    if (found != windows_.end()) return found->second;
    Window gone;
    gone.visible = false;
    return gone;
  }

  std::map<WindowId, Window> windows_;
  std::vector<WindowId> zOrder_;  // topmost first
  WindowId next_ = 0x100;
};

}  // namespace nolb
