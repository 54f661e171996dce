// A capture hook library and a window system that write every call into one
// shared log, so that tests see the order of calls across both. The hook
// keeps what is set like the library does: SetTarget is what GetTarget
// answers, Enabled is what IsEnabled answers.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/capture_hook.h"
#include "base/window_system.h"

namespace nolb::watch_fakes {

using CallLog = std::vector<std::string>;

class Hook : public CaptureHook {
 public:
  explicit Hook(CallLog& log) : log_(log) {}

  bool enabled = false;
  bool hooked = false;
  HookTarget target;

  void Init() override { log_.push_back("Init"); }
  void Uninit() override { log_.push_back("Uninit"); }
  void Lock() override { log_.push_back("Lock"); }
  void Unlock() override { log_.push_back("Unlock"); }
  void SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom,
               std::int32_t showCursor, std::int32_t showAlphaWindow,
               std::int32_t rotateType) override {
    log_.push_back("SetMode " + Join({fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow,
                                      rotateType}));
  }
  void SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height) override {
    log_.push_back("SetTarget " + std::to_string(window) + " " + Join({x, y, width, height}));
    target = HookTarget{window, x, y, width, height};
  }
  void Enabled(std::int32_t on) override {
    log_.push_back("Enabled " + std::to_string(on));
    enabled = on != 0;
  }
  bool IsEnabled() override {
    log_.push_back("IsEnabled");
    return enabled;
  }
  bool IsHooked() override {
    log_.push_back("IsHooked");
    return hooked;
  }
  HookTarget GetTarget() override {
    log_.push_back("GetTarget");
    return target;
  }
  void SetMousePos(std::int32_t x, std::int32_t y) override {
    log_.push_back("SetMousePos " + Join({x, y}));
  }
  double GetStatus() override {
    log_.push_back("GetStatus");
    return 0;
  }

 private:
  static std::string Join(std::initializer_list<std::int32_t> values) {
    std::string text;
    for (std::int32_t value : values) text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
  }

  CallLog& log_;
};

// Windows are plain numbers; a window exists while it is in `windows`.
class Windows : public WindowSystem {
 public:
  explicit Windows(CallLog& log) : log_(log) {}

  WindowId desktop = 1;
  std::set<WindowId> windows{1};
  std::map<WindowId, Point> clientOrigins;  // screen position of each client area
  Point virtualScreenOrigin;

  WindowId DesktopWindow() override { return desktop; }
  bool IsWindow(WindowId window) override {
    log_.push_back("IsWindow " + std::to_string(window));
    return windows.count(window) != 0;
  }
  WindowId Parent(WindowId) override { return 0; }
  std::optional<Size> ClientSize(WindowId) override { return std::nullopt; }
  Point ClientToScreen(WindowId window, Point client) override {
    log_.push_back("ClientToScreen " + std::to_string(window));
    const Point origin = clientOrigins[window];
    return Point{origin.x + client.x, origin.y + client.y};
  }
  Point ScreenToClient(WindowId window, Point screen) override {
    const Point origin = clientOrigins[window];
    return Point{screen.x - origin.x, screen.y - origin.y};
  }
  WindowId WindowFromPoint(Point) override { return 0; }
  std::optional<Point> CursorPos() override { return std::nullopt; }
  std::string Text(WindowId) override { return {}; }
  std::string ClassName(WindowId) override { return {}; }
  Point VirtualScreenOrigin() override {
    log_.push_back("VirtualScreenOrigin");
    return virtualScreenOrigin;
  }
  std::optional<WindowRect> MonitorOf(Point) override { return std::nullopt; }

 private:
  CallLog& log_;
};

}  // namespace nolb::watch_fakes
