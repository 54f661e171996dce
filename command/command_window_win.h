// The panel's command window: a message-only window, made once the panel's
// start-up is done, that takes the command lines of new processes (one
// WM_COPYDATA each) and answers how each command ended. Nothing opens it to
// processes of a lower integrity level: the system's message filter stays
// as it is.
#pragma once

#include <windows.h>

#include <functional>

#include "command/command_line.h"

namespace nolb {

inline constexpr wchar_t kCommandWindowClass[] = L"NOLB_Command";

class CommandWindow {
 public:
  // run carries out a command that was read and is well formed; it runs on
  // the GUI thread, inside whatever the thread is doing (a modal loop too).
  explicit CommandWindow(std::function<CommandResult(const Command&)> run);
  ~CommandWindow();
  CommandWindow(const CommandWindow&) = delete;
  CommandWindow& operator=(const CommandWindow&) = delete;

  // Carries a command out, one at a time: a command that comes while
  // another is carried out (the thread handles sent messages while it waits
  // on another thread) is refused as kCommandRunning.
  CommandResult CarryOut(const Command& command);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  CommandResult Received(const COPYDATASTRUCT& data);

  std::function<CommandResult(const Command&)> run_;
  HWND hwnd_ = nullptr;
  bool running_ = false;
};

}  // namespace nolb
