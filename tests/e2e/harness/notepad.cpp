#include "harness/notepad.h"

#include "harness/error.h"
#include "harness/input.h"
#include "harness/wait.h"

namespace e2e {

Notepad Notepad::Start() {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  // Under Wine a window that opens under the cursor takes the activation back.
  input::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 8, GetSystemMetrics(SM_CYSCREEN) - 8});
  Notepad pad;
  pad.process_ = Process::Start(std::filesystem::path(system) / L"notepad.exe");
  const bool shown = WaitUntil([&] {
    for (const auto& window : TopLevelWindows(pad.process_.Id())) {
      if (window.ClassName() == L"Notepad" && window.Visible()) pad.main_ = window;
    }
    return static_cast<bool>(pad.main_);
  });
  if (!shown) throw HarnessError("notepad.exe shows no window");
  SetWindowPos(pad.main_.Handle(), nullptr, 340, 40, 560, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  return pad;
}

Window Notepad::Edit() const {
  for (const auto& child : main_.Children()) {
    if (child.ClassName() == L"Edit") return child;
  }
  throw HarnessError("notepad.exe has no edit control");
}

void Notepad::Quit() {
  main_.Close();
  if (!process_.WaitForExit()) throw HarnessError("notepad.exe does not end");
}

}  // namespace e2e
