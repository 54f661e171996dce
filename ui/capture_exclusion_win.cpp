#include "ui/capture_exclusion_win.h"

#include <optional>

#include "base/capture_exclusion.h"

namespace ui {
namespace {

bool excludedFromCapture = false;

// The system's own version: RtlGetVersion reports it as it is, where
// GetVersionEx answers what the manifest and the compatibility settings
// let the program see.
nolb::SystemVersion RunningSystem() {
  static const nolb::SystemVersion version = [] {
    nolb::SystemVersion v;
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto get = ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                           reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                     : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (get && get(&info) == 0) v = {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
    return v;
  }();
  return version;
}

void Apply(HWND window, bool panelWindow) {
  if (const auto affinity = nolb::CaptureAffinityFor(excludedFromCapture, panelWindow, RunningSystem())) {
    // Refused (no desktop composition, a remote session): the window stays
    // as it is.
    SetWindowDisplayAffinity(window, static_cast<DWORD>(*affinity));
  }
}

struct Choice {
  HWND mainWindow;
};

BOOL CALLBACK ApplyToWindow(HWND window, LPARAM data) {
  const HWND mainWindow = reinterpret_cast<const Choice*>(data)->mainWindow;
  Apply(window, window == mainWindow || GetWindow(window, GW_OWNER) != nullptr);
  return TRUE;
}

}  // namespace

void SetCaptureExclusion(bool excluded, HWND mainWindow) {
  if (excluded == excludedFromCapture) return;
  excludedFromCapture = excluded;
  Choice choice{mainWindow};
  EnumThreadWindows(GetCurrentThreadId(), &ApplyToWindow, reinterpret_cast<LPARAM>(&choice));
}

void FollowCaptureExclusion(HWND window, bool panelWindow) {
  // A new window is captured unless the panel is kept out.
  if (excludedFromCapture) Apply(window, panelWindow);
}

}  // namespace ui
