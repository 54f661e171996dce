// The way back beside the answer: a command process keeps a message-only
// reply window while it waits for the panel's answer, and names it in the
// command message (its wParam). A step that fails sends the error's text
// there before the panel answers; the waiting thread takes that message
// while it waits.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace nolb {

inline constexpr wchar_t kCommandReplyWindowClass[] = L"NOLB_CommandReply";

class CommandReplyWindow {
 public:
  CommandReplyWindow();
  ~CommandReplyWindow();
  CommandReplyWindow(const CommandReplyWindow&) = delete;
  CommandReplyWindow& operator=(const CommandReplyWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // What the panel sent (UTF-8), or empty.
  const std::string& ErrorText() const { return errorText_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  HWND hwnd_ = nullptr;
  std::string errorText_;
};

// The panel's side: sends the error's text (UTF-8) to the window the
// command named, when that is a reply window; a sender that has gone or
// does not take it within a second is left alone.
void SendErrorText(HWND reply, std::string_view text);

}  // namespace nolb
