// Program entry: one instance, the capture hook library, the windows, the
// message loop.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>

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
    // made. Only the main window is shown.
    nolb::TMainForm mainForm(*library);
    mainForm.Create();
    nolb::TFormPreview previewForm(*library, mainForm);
    previewForm.Create(mainForm.Handle());
    nolb::TFormHotkey formHotkey(mainForm);
    formHotkey.Create();
    nolb::TFormSelect formSelect;
    formSelect.Create();
    mainForm.Show(show == SW_HIDE ? SW_SHOWNORMAL : show);
    ui::RunMessageLoop([&](const MSG& msg) { mainForm.ApplicationEventsMessage(msg); });
  });

  ReleaseMutex(instanceMutex.Get());
  return 0;
}
