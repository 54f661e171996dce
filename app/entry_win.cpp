// Program entry: one instance, the capture hook library, the windows, the
// message loop.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>
#include <optional>

#include "app/main_form_win.h"
#include "hotkey/hotkey_form_win.h"
#include "hook/nolb_library_win.h"
#include "preview/preview_form_win.h"
#include "target/select_form_win.h"
#include "ui/application_win.h"
#include "ui/error_report_win.h"
#include "ui/handles_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  ui::KernelHandle instanceMutex(CreateMutexW(nullptr, TRUE, L"NOLB_Boot"));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // Another copy runs: end silently and leave it alone.
    ReleaseMutex(instanceMutex.Get());
    return 0;
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
    mainForm.Show(show == SW_HIDE ? SW_SHOWNORMAL : show);
    // Painted before the windows made after it.
    UpdateWindow(mainForm.Handle());
    ui::RunMessageLoop([&](const MSG& msg) { mainForm.ApplicationEventsMessage(msg); });
  });

  ReleaseMutex(instanceMutex.Get());
  return 0;
}
