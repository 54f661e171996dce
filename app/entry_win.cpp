// Program entry: one instance, the capture hook library, the windows, the
// message loop.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>
#include <optional>

#include "command/command_sender_win.h"
#include "command/command_start_win.h"
#include "command/command_window_win.h"
#include "app/main_form_win.h"
#include "hotkey/hotkey_form_win.h"
#include "hook/nolb_library_win.h"
#include "preview/preview_form_win.h"
#include "target/select_form_win.h"
#include "ui/application_win.h"
#include "ui/error_report_win.h"
#include "ui/handles_win.h"

namespace {

// What asking for the single-instance mutex found.
nolb::MutexProbe Probe(const ui::KernelHandle& mutex, DWORD error) {
  if (mutex) return error == ERROR_ALREADY_EXISTS ? nolb::MutexProbe::kExists : nolb::MutexProbe::kCreated;
  // A panel run as administrator keeps its mutex from lower processes.
  return error == ERROR_ACCESS_DENIED ? nolb::MutexProbe::kDenied : nolb::MutexProbe::kFailed;
}

void BringForward(nolb::TMainForm& mainForm) {
  if (!mainForm.MainWindowShown()) mainForm.ShowMainWindow();
  if (IsIconic(mainForm.Handle())) ShowWindow(mainForm.Handle(), SW_RESTORE);
  SetForegroundWindow(mainForm.Handle());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // A command line is read whole before anything else. A command is handed
  // to the panel that runs, or to one started for it: this process ends
  // with the command's code, and never becomes the panel.
  const nolb::StartCommand start = nolb::ReadStartCommand();
  if (start.exitCode) return *start.exitCode;
  if (start.command) return nolb::RunCommandProcess(nolb::Starter::kPanel, start);
  ui::KernelHandle instanceMutex(CreateMutexW(nullptr, TRUE, nolb::kInstanceMutexName));
  const DWORD mutexError = GetLastError();
  switch (nolb::ChooseStartAction(nolb::Starter::kPanel, false, Probe(instanceMutex, mutexError))) {
    case nolb::StartAction::kEndSilently:
      // Another copy runs: end silently and leave it alone. The mutex goes
      // with the other copy, not with this one.
      ReleaseMutex(instanceMutex.Get());
      return 0;
    case nolb::StartAction::kWarn:
      nolb::WarnOfElevatedPanel();
      return static_cast<int>(nolb::CommandStatus::kNoAnswer);
    default:
      break;
  }

  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_WIN95_CLASSES | ICC_HOTKEY_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  std::unique_ptr<nolb::NolbLibrary> library;
  if (!ui::ReportingErrors(nullptr, [&] { library = nolb::NolbLibrary::Load(); })) {
    ReleaseMutex(instanceMutex.Get());
    return 1;
  }

  ui::ReportingErrors(nullptr, [&] {
    // The windows, created in this order; each runs its FormCreate as it is
    // made. Only the main window is shown, and as soon as it is made: the
    // others follow from the message loop, before any input is handled.
    nolb::TMainForm mainForm(*library);
    std::optional<nolb::TFormPreview> previewForm;
    std::optional<nolb::TFormHotkey> formHotkey;
    std::optional<nolb::TFormSelect> formSelect;
    std::optional<nolb::CommandWindow> commandWindow;
    mainForm.Create();
    mainForm.Later([&] {
      // An error here ends the program, as it did before the window was shown.
      if (!ui::ReportingErrors(mainForm.Handle(), [&] {
            previewForm.emplace(*library, mainForm).Create(mainForm.Handle());
            formHotkey.emplace(mainForm).Create();
            formSelect.emplace().Create();
          })) {
        DestroyWindow(mainForm.Handle());
      }
    });
    // The start-up is done: commands are taken from here on.
    mainForm.Later([&] {
      commandWindow.emplace(nolb::CommandHandlers{
          .run = [&](const nolb::Command& command) { return mainForm.CarryOutCommand(command); },
          .notice = [&](std::wstring_view text) { mainForm.ShowNotice(text); },
          .show = [&] { BringForward(mainForm); },
      });
    });
    mainForm.Show(show == SW_HIDE ? SW_SHOWNORMAL : show);
    // Painted before the windows made after it.
    UpdateWindow(mainForm.Handle());
    ui::RunMessageLoop([&](const MSG& msg) { mainForm.ApplicationEventsMessage(msg); });
  });

  ReleaseMutex(instanceMutex.Get());
  return 0;
}
