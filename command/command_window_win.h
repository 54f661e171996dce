// The panel's command window: a message-only window, made once the panel's
// start-up is done, that takes the command lines of command processes (one
// WM_COPYDATA each) and answers how each command ended. Nothing opens it to
// processes of a lower integrity level: the system's message filter stays
// as it is.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "command/command_line.h"

namespace nolb {

inline constexpr wchar_t kCommandWindowClass[] = L"NOLB_Command";

// What the panel does for its command window; each runs on the GUI thread,
// inside whatever the thread is doing (a modal loop too).
struct CommandHandlers {
  // Carries out a command that was read and is well formed.
  std::function<CommandOutcome(const Command&)> run;
  // Tells a failed command of a process without a console, without blocking.
  std::function<void(std::wstring_view)> notice;
  // Brings the main window forward (the companion started without switches).
  std::function<void()> show;
};

class CommandWindow {
 public:
  explicit CommandWindow(CommandHandlers handlers);
  ~CommandWindow();
  CommandWindow(const CommandWindow&) = delete;
  CommandWindow& operator=(const CommandWindow&) = delete;

  // Carries a command out, one at a time: a command that comes while
  // another is carried out (the thread handles sent messages while it waits
  // on another thread) is refused as kCommandRunning.
  CommandOutcome CarryOut(const Command& command);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  // A command message: carried out, and a failure told where the sender asked.
  CommandResult Received(const COPYDATASTRUCT& data, HWND reply);

  CommandHandlers handlers_;
  HWND hwnd_ = nullptr;
  bool running_ = false;
};

}  // namespace nolb
