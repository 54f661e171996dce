// Word of other programs' windows as they are made or shown, through the
// system's window events (out of context: delivered to the GUI thread's
// message loop, no code in other processes). Wine 8 sends the creation
// event but not the one for showing; Windows sends both. Only one hook is
// active at a time; it costs nothing while stopped.
#pragma once

#include <windows.h>

#include <functional>

#include "base/capture_hook.h"

namespace nolb {

class WindowEvents {
 public:
  using Handler = std::function<void(WindowId window)>;

  WindowEvents() = default;
  WindowEvents(const WindowEvents&) = delete;
  WindowEvents& operator=(const WindowEvents&) = delete;
  ~WindowEvents() { Stop(); }

  // From now on the handler hears of every window of another process that
  // is made or shown. Starting again keeps the hook and takes the new handler.
  void Start(Handler handler);
  void Stop();
  bool Started() const { return hook_ != nullptr; }

 private:
  static void CALLBACK Event(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                             DWORD thread, DWORD time);

  HWINEVENTHOOK hook_ = nullptr;
  Handler handler_;
};

}  // namespace nolb
