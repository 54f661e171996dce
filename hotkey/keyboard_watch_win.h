// A watch over the keyboard of the whole system (a low-level keyboard hook)
// on a thread of its own. The system calls such a hook on the thread that
// installed it, for every key of every program, and waits for it: on a busy
// GUI thread it would hold up everybody's typing, and the system drops a
// hook that answers too slowly. The watch's thread runs a message loop that
// does nothing but the watch, and hands each key on as it comes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <future>
#include <thread>

namespace nolb {

class KeyboardWatch {
 public:
  // Called on the watch's thread for each key going down or up. It must
  // not wait for another thread: it posts what it saw.
  using KeySeen = std::function<void(std::uint32_t key, bool down)>;

  explicit KeyboardWatch(KeySeen seen);
  // Stop.
  ~KeyboardWatch();
  KeyboardWatch(const KeyboardWatch&) = delete;
  KeyboardWatch& operator=(const KeyboardWatch&) = delete;

  // Starts the watch's thread and returns once the watch is in place
  // (true) or could not be put in place (false). True at once while the
  // watch runs.
  bool Start();
  // Ends the watch and returns once its thread has ended.
  void Stop();
  bool Running() const { return thread_.joinable(); }

 private:
  // The watch's thread: tells placed whether the hook is in place.
  void Run(std::promise<bool>& placed);
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept;

  KeySeen seen_;
  std::thread thread_;
  DWORD threadId_ = 0;
};

}  // namespace nolb
