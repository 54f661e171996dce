// A message box of another process (window class #32770): its title, its
// text and its buttons.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "harness/wait.h"
#include "harness/window.h"

namespace e2e {

class MessageDialog {
 public:
  explicit MessageDialog(Window window) : window_(window) {}

  Window Handle() const { return window_; }
  bool Exists() const { return window_.Exists(); }
  std::wstring Title() const { return window_.Text(); }
  // The message, from the static control with id 0xFFFF.
  std::wstring Text() const;
  // Ids of the buttons shown (IDOK, IDCANCEL, IDYES, IDNO, ...).
  std::vector<int> Buttons() const;
  // Presses the button with that id (posted BM_CLICK). The box then closes
  // by itself; WaitClosed waits for it.
  void Press(int id) const;
  bool WaitClosed(Duration timeout = kDefaultTimeout) const;

  // "title: text" for failure messages.
  std::string Describe() const;

 private:
  Window window_;
};

// The visible message boxes among the process's top-level windows.
std::vector<MessageDialog> MessageBoxesOf(DWORD processId);
std::optional<MessageDialog> WaitForMessageBox(DWORD processId, Duration timeout = kDefaultTimeout);

}  // namespace e2e
