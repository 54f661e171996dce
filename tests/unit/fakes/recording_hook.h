// A capture hook library that records every call as a line of text and keeps
// what is set as the library would. A call can be made to fail, to see what
// the caller does with a library that raises an error.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/capture_hook.h"

namespace nolb {

class RecordingHook : public CaptureHook {
 public:
  std::vector<std::string> calls;
  std::string failOn;  // the name of a call that raises an error
  bool enabled = false;
  bool hooked = false;
  HookTarget target;
  double status = 0;

  void Init() override { Record("Init"); }
  void Uninit() override { Record("Uninit"); }
  void Lock() override { Record("Lock"); }
  void Unlock() override { Record("Unlock"); }
  void SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom,
               std::int32_t showCursor, std::int32_t showAlphaWindow,
               std::int32_t rotateType) override {
    Record("SetMode", {fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType});
  }
  void SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height) override {
    Record("SetTarget", {static_cast<std::int32_t>(window), x, y, width, height});
    target = HookTarget{window, x, y, width, height};
  }
  void Enabled(std::int32_t on) override {
    Record("Enabled", {on});
    enabled = on != 0;
  }
  bool IsEnabled() override {
    Record("IsEnabled");
    return enabled;
  }
  bool IsHooked() override {
    Record("IsHooked");
    return hooked;
  }
  HookTarget GetTarget() override {
    Record("GetTarget");
    return target;
  }
  void SetMousePos(std::int32_t x, std::int32_t y) override { Record("SetMousePos", {x, y}); }
  double GetStatus() override {
    Record("GetStatus");
    return status;
  }

 private:
  void Record(const std::string& name, std::initializer_list<std::int32_t> args = {}) {
    std::string line = name;
    for (std::int32_t a : args) line += " " + std::to_string(a);
    calls.push_back(line);
    if (name == failOn) throw std::runtime_error(name + " failed");
  }
};

}  // namespace nolb
