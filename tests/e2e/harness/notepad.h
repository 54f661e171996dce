// Wine's own text editor (notepad.exe of the system folder) as a target
// whose program can quit and start again: a top-level window of class
// "Notepad" with an edit control.
#pragma once

#include "harness/process.h"
#include "harness/window.h"

namespace e2e {

class Notepad {
 public:
  // Starts it beside the panel (its window moved to 340, 40, 560 x 400) and
  // returns once its main window is shown; throws HarnessError otherwise.
  // The process is killed if it still runs when the object goes.
  static Notepad Start();

  const Window& Main() const { return main_; }
  Window Edit() const;
  const Process& GetProcess() const { return process_; }
  // Closes it as the user does (an unchanged text asks nothing) and waits
  // for its end.
  void Quit();

 private:
  Process process_;
  Window main_;
};

}  // namespace e2e
