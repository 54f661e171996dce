#include "target/follow_mode.h"

#include <utility>

#include "target/wrap32.h"

namespace nolb {

namespace {

// One Lock group; the library is unlocked also when a call fails.
template <typename Calls>
void InOneGroup(CaptureHook& hook, Calls calls) {
  hook.Lock();
  try {
    calls();
  } catch (...) {
    hook.Unlock();
    throw;
  }
  hook.Unlock();
}

}  // namespace

Point CentredOnCursor(Point cursor, std::int32_t width, std::int32_t height) {
  return Point{Wrap32(std::int64_t{cursor.x} - width / 2), Wrap32(std::int64_t{cursor.y} - height / 2)};
}

std::int32_t PushedToCursor(std::int32_t cursor, std::int32_t origin, std::int32_t extent) {
  if (cursor < origin) origin = cursor;
  const std::int32_t farthest = Wrap32(std::int64_t{cursor} - extent + 1);
  if (farthest > origin) origin = farthest;
  return origin;
}

std::int32_t EasedToward(std::int32_t from, std::int32_t goal) {
  const std::int64_t way = std::int64_t{goal} - from;
  std::int64_t step = way / kSmoothShareDivisor;
  if (step == 0 && way != 0) step = way > 0 ? 1 : -1;
  return static_cast<std::int32_t>(from + step);
}

Point FollowedCorner(const MouseFollowing& how, Point corner, Size size, Point cursor,
                     const std::optional<WindowRect>& monitor) {
  // Kept on the screen, every corner pushed lies on the cursor's monitor:
  // the goal, and the rectangle on its way there from another monitor.
  auto kept = [&](Point p) {
    if (!how.keepOnScreen || !monitor) return p;
    const WindowRect moved = MovedInto({p.x, p.y, size.width, size.height}, *monitor);
    return Point{moved.left, moved.top};
  };
  const Point goal = kept(how.centred ? CentredOnCursor(cursor, size.width, size.height)
                                      : Point{PushedToCursor(cursor.x, corner.x, size.width),
                                              PushedToCursor(cursor.y, corner.y, size.height)});
  if (!how.smooth) return goal;
  return kept(Point{EasedToward(corner.x, goal.x), EasedToward(corner.y, goal.y)});
}

FollowBoxRules FollowWindowClicked(bool on) {
  FollowBoxRules rules;
  rules.followMouseEnabled = !on;
  rules.mouseCenterEnabled = !on;
  rules.locked = on;
  return rules;
}

FollowBoxRules FollowMouseClicked(bool on) {
  // Centring stays switchable while the mouse is followed.
  FollowBoxRules rules;
  rules.followWindowEnabled = !on;
  rules.locked = on;
  return rules;
}

FollowModes::FollowModes(std::function<bool()> requestDisplay, std::function<void(bool)> setTicking)
    : requestDisplay_(std::move(requestDisplay)), setTicking_(std::move(setTicking)) {}

FollowDisplay FollowModes::SetFollowWindow(bool on) {
  followWindow_ = on;
  return ModesChanged();
}

FollowDisplay FollowModes::SetFollowMouse(bool on) {
  followMouse_ = on;
  return ModesChanged();
}

void FollowModes::SetMouseCenter(bool on) { mouseCenter_ = on; }

void FollowModes::SetSmoothFollow(bool on) { smoothFollow_ = on; }

void FollowModes::SetKeepOnScreen(bool on) { keepOnScreen_ = on; }

FollowDisplay FollowModes::Halt() {
  followMouse_ = false;
  followWindow_ = false;
  return ModesChanged();
}

FollowDisplay FollowModes::ModesChanged() {
  FollowDisplay shown;
  {
    std::lock_guard<std::mutex> underWay(tickUnderWay_);
    std::lock_guard<std::mutex> lock(displayMutex_);
    shown = std::exchange(display_, FollowDisplay{});
  }
  const bool needed = followMouse_ || followWindow_;
  if (needed != ticking_) {
    ticking_ = needed;
    setTicking_(needed);
  }
  return shown;
}

void FollowModes::Tick(CaptureState& state, CaptureHook& hook, WindowSystem& windows) {
  std::lock_guard<std::mutex> underWay(tickUnderWay_);
  if (followMouse_) {
    FollowMouse(state, hook, windows);
  } else if (followWindow_) {
    FollowWindowSize(state, hook, windows);
  }
}

void FollowModes::FollowMouse(CaptureState& state, CaptureHook& hook, WindowSystem& windows) {
  const std::optional<Point> cursor = windows.CursorPos();
  if (!cursor) return;
  const MouseFollowing how{mouseCenter_, smoothFollow_, keepOnScreen_};
  // Asked only when it counts, so that plain following costs what it did.
  const std::optional<WindowRect> monitor = how.keepOnScreen ? windows.MonitorOf(*cursor) : std::nullopt;
  CaptureSettings s;
  state.Update([&](CaptureSettings& settings, DesktopRect& desktop) {
    const Point corner = FollowedCorner(how, Point{settings.x, settings.y},
                                        Size{settings.width, settings.height}, *cursor, monitor);
    settings.x = desktop.x = corner.x;
    settings.y = desktop.y = corner.y;
    s = settings;
  });
  Show(FollowDisplay{Point{s.x, s.y}, std::nullopt});
  InOneGroup(hook, [&] {
    hook.SetTarget(s.target, s.x, s.y, s.width, s.height);
    hook.SetMousePos(cursor->x, cursor->y);
    hook.Enabled(1);
  });
}

void FollowModes::FollowWindowSize(CaptureState& state, CaptureHook& hook,
                                   WindowSystem& windows) {
  const WindowId target = state.Settings().target;
  if (!windows.IsWindow(target)) return;
  const std::optional<Size> client = windows.ClientSize(target);
  if (!client) return;
  CaptureSettings s;
  bool sameTarget = false;
  state.Update([&](CaptureSettings& settings, DesktopRect&) {
    // The GUI thread may have chosen another target meanwhile.
    sameTarget = settings.target == target;
    if (!sameTarget) return;
    settings.width = client->width;
    settings.height = client->height;
    s = settings;
  });
  if (!sameTarget) return;
  Show(FollowDisplay{std::nullopt, *client});
  InOneGroup(hook, [&] {
    hook.SetTarget(s.target, s.x, s.y, s.width, s.height);
    hook.Enabled(1);
  });
}

void FollowModes::Show(const FollowDisplay& values) {
  bool request = false;
  {
    std::lock_guard<std::mutex> lock(displayMutex_);
    if (values.position) display_.position = values.position;
    if (values.size) display_.size = values.size;
    request = !std::exchange(displayRequested_, true);
  }
  if (request && !requestDisplay_()) {
    std::lock_guard<std::mutex> lock(displayMutex_);
    displayRequested_ = false;
  }
}

FollowDisplay FollowModes::TakeDisplay() {
  std::lock_guard<std::mutex> lock(displayMutex_);
  displayRequested_ = false;
  return std::exchange(display_, FollowDisplay{});
}

}  // namespace nolb
