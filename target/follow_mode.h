// The follow modes: the capture rectangle follows the target window's
// client size or the mouse cursor in real time, pushed into the capture
// hook library by a tick on the main window's periodic timer.
//
// While the mouse is followed, the rectangle may also glide (a share of the
// way at each tick) and be kept on the cursor's monitor.
//
// The tick runs on the timer's worker thread. It never touches a control:
// the check boxes' states reach it through atomics that their click
// handlers set, the record through CaptureState's guard, and what the edits
// must show goes back through a coalesced display slot that the GUI thread
// empties when the worker asks it to (by a posted message).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

#include "base/capture_hook.h"
#include "base/capture_settings.h"
#include "base/window_placement.h"
#include "base/window_system.h"

namespace nolb {

// The rectangle's corner with the cursor in its middle (each half rounded
// toward zero). Like every result here, the 32-bit two's-complement value
// of the formula: huge sizes wrap, never overflow.
Point CentredOnCursor(Point cursor, std::int32_t width, std::int32_t height);

// One coordinate of the rectangle's corner, moved only as far as needed to
// keep the cursor inside: first against the near edge, then the far one.
std::int32_t PushedToCursor(std::int32_t cursor, std::int32_t origin, std::int32_t extent);

// How the rectangle follows the mouse: centred on the cursor, else pushed
// along at its edges; smoothly, a share of the way at each tick, else at
// once; kept inside the cursor's monitor, else free to leave the screen.
struct MouseFollowing {
  bool centred = false;
  bool smooth = false;
  bool keepOnScreen = false;
};

// A smooth tick goes a quarter of the way.
inline constexpr std::int32_t kSmoothShareDivisor = 4;

// One coordinate moved that share of the way from `from` toward `goal`
// (rounded toward `from`), yet at least one pixel, and never past the goal.
std::int32_t EasedToward(std::int32_t from, std::int32_t goal);

// Where one tick of mouse following puts the rectangle's corner, from where
// the rectangle is now. The goal is the corner centred on the cursor, or the
// corner pushed from where it is; kept on the screen, the goal is moved
// inside the cursor's monitor (a rectangle larger than it aligned to its
// top-left corner; without a monitor it stays); smoothly, the rectangle goes
// only a share of the way toward the goal, and kept on the screen that
// corner too is moved inside the cursor's monitor, so that no rectangle on
// the way from another monitor hangs across both. Pushed, the goal of a corner
// already moved part of the way is the same as before, so the rectangle
// approaches it from one side and comes to rest there.
Point FollowedCorner(const MouseFollowing& how, Point corner, Size size, Point cursor,
                     const std::optional<WindowRect>& monitor);

// What a click handler of a mode box leaves enabled (nothing for the boxes
// it does not touch) and whether the target and range controls are locked.
struct FollowBoxRules {
  std::optional<bool> followWindowEnabled;
  std::optional<bool> followMouseEnabled;
  std::optional<bool> mouseCenterEnabled;
  bool locked = false;
};
FollowBoxRules FollowWindowClicked(bool on);
FollowBoxRules FollowMouseClicked(bool on);

// The values the edits must show after the worker's last ticks.
struct FollowDisplay {
  std::optional<Point> position;  // EditX, EditY
  std::optional<Size> size;       // EditWidth, EditHeight
};

class FollowModes {
 public:
  // requestDisplay is called on the worker when new values wait for the
  // GUI thread and no request is pending already; it must only post, and
  // returns false when it could not. setTicking starts (true) and stops
  // (false) the timer that runs Tick: the tick has work only while a mode
  // is on, so the timer runs only then. It is called on the GUI thread when
  // the first mode goes on, and when the last goes off once the tick under
  // way has ended.
  FollowModes(std::function<bool()> requestDisplay, std::function<void(bool)> setTicking);

  // The GUI thread's side, from the click handlers. Each returns once a
  // tick under way has ended, so no tick of the old state reaches the
  // library afterwards, and hands back what the edits must still show of
  // the ticks so far (a later request then finds nothing stale).
  [[nodiscard]] FollowDisplay SetFollowWindow(bool on);
  [[nodiscard]] FollowDisplay SetFollowMouse(bool on);
  void SetMouseCenter(bool on);
  // The rectangle glides; it stays on the cursor's monitor. Both count from
  // the next tick on, starting from the rectangle where it is.
  void SetSmoothFollow(bool on);
  void SetKeepOnScreen(bool on);
  // Whether the timer runs (the GUI thread's view).
  bool Ticking() const { return ticking_; }
  // Both modes off, for the shut-down.
  [[nodiscard]] FollowDisplay Halt();

  // The worker's side: one tick. Follows the mouse, else the window size,
  // else does nothing. Each push is one Lock group with the library
  // unlocked also when a call fails (the error then goes to the caller).
  void Tick(CaptureState& state, CaptureHook& hook, WindowSystem& windows);

  // The GUI thread takes what the edits must show.
  FollowDisplay TakeDisplay();

 private:
  void FollowMouse(CaptureState& state, CaptureHook& hook, WindowSystem& windows);
  void FollowWindowSize(CaptureState& state, CaptureHook& hook, WindowSystem& windows);
  void Show(const FollowDisplay& values);
  // Waits out a tick under way, then starts or stops the timer as the
  // modes now need.
  FollowDisplay ModesChanged();

  std::function<bool()> requestDisplay_;
  std::function<void(bool)> setTicking_;
  bool ticking_ = false;  // the GUI thread's
  std::atomic<bool> followWindow_{false};
  std::atomic<bool> followMouse_{false};
  std::atomic<bool> mouseCenter_{false};
  std::atomic<bool> smoothFollow_{false};
  std::atomic<bool> keepOnScreen_{false};
  // Held by the worker for a whole tick.
  std::mutex tickUnderWay_;
  std::mutex displayMutex_;
  FollowDisplay display_;
  bool displayRequested_ = false;
};

}  // namespace nolb
