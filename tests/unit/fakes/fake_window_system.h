// A window tree for tests. Each window has a client area at a screen
// position, a text and a class; the desktop (window 1) covers the screen.
// WindowFromPoint answers the deepest window whose client area (or frame,
// when given) holds the point, the later one among equals, as the real call
// does for visible, enabled windows.
#pragma once

#include <map>
#include <string>

#include "base/window_system.h"

namespace nolb {

class FakeWindowSystem : public WindowSystem {
 public:
  struct Window {
    WindowId parent = 0;     // parent or owner; 0 for none
    Point origin;            // the client area's top-left corner on the screen
    Size size;               // the client size
    std::string text;
    std::string className;
    bool sizeReadable = true;  // false: reading the client size fails
    std::optional<Size> frame;  // the area WindowFromPoint hits from origin; the client size if none
  };

  static constexpr WindowId kDesktop = 1;

  explicit FakeWindowSystem(Size screen = {1280, 1024}) {
    windows_[kDesktop].size = screen;
    windows_[kDesktop].className = "#32769";
  }

  // Adds a window and returns its id; At gives access to the rest.
  WindowId Add(WindowId parent, Point origin, Size size, std::string text, std::string className) {
    const WindowId id = nextId_++;
    Window& w = windows_[id];
    w.parent = parent;
    w.origin = origin;
    w.size = size;
    w.text = std::move(text);
    w.className = std::move(className);
    return id;
  }
  void Remove(WindowId window) { windows_.erase(window); }
  Window& At(WindowId window) { return windows_.at(window); }

  std::optional<Point> cursor = Point{};  // nothing: the cursor cannot be read
  Point virtualScreenOrigin;

  WindowId DesktopWindow() override { return kDesktop; }
  bool IsWindow(WindowId window) override { return windows_.count(window) != 0; }
  WindowId Parent(WindowId window) override {
    auto found = windows_.find(window);
    return found == windows_.end() ? 0 : found->second.parent;
  }
  std::optional<Size> ClientSize(WindowId window) override {
    auto found = windows_.find(window);
    if (found == windows_.end() || !found->second.sizeReadable) return std::nullopt;
    return found->second.size;
  }
  Point ClientToScreen(WindowId window, Point client) override {
    const Point origin = Origin(window);
    return Point{origin.x + client.x, origin.y + client.y};
  }
  Point ScreenToClient(WindowId window, Point screen) override {
    const Point origin = Origin(window);
    return Point{screen.x - origin.x, screen.y - origin.y};
  }
  WindowId WindowFromPoint(Point screen) override {
    WindowId best = 0;
    int bestDepth = -1;
    for (const auto& [id, w] : windows_) {
      const Size hit = w.frame.value_or(w.size);
      const bool inside = screen.x >= w.origin.x && screen.x < w.origin.x + hit.width &&
                          screen.y >= w.origin.y && screen.y < w.origin.y + hit.height;
      if (inside && Depth(id) >= bestDepth) {
        best = id;
        bestDepth = Depth(id);
      }
    }
    return best;
  }
  std::optional<Point> CursorPos() override { return cursor; }
  std::string Text(WindowId window) override { return Find(window).text; }
  std::string ClassName(WindowId window) override { return Find(window).className; }
  Point VirtualScreenOrigin() override { return virtualScreenOrigin; }
  std::optional<WindowRect> MonitorOf(Point) override { return std::nullopt; }

 private:
  // A window that no longer exists reads as empty, at the screen origin.
  Window Find(WindowId window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? Window{} : found->second;
  }
  Point Origin(WindowId window) const { return Find(window).origin; }
  int Depth(WindowId window) const {
    int depth = 0;
    for (WindowId w = Find(window).parent; w != 0; w = Find(w).parent) ++depth;
    return depth;
  }

  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 0x100;
};

}  // namespace nolb
