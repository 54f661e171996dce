// The exports of the stand-in NOLB.DLL: the fifteen functions of the capture
// hook library and the extra ones for tests and the encoder simulator. Every
// call of the fifteen is journaled; see standin/README.md for the behaviour.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <span>

#include "frame_renderer_win.h"
#include "process_identity_win.h"
#include "shared_state_win.h"
#include "standin_test_api.h"
#include "written_files_win.h"

using namespace nolb::standin;

namespace {

FrameRenderer* gRenderer = nullptr;
// When this process called NOLB_Init, on the clock of the files' times.
std::uint64_t gInitFileTime = 0;

std::int32_t AsArg(const void* pointer) {
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

// Runs one call under the shared lock, journaled; 0 when the lock could not
// be had.
template <typename Action>
int Call(const char* function, std::initializer_list<std::int32_t> args, Action action) {
  StateAccess access;
  if (!access) return 0;
  const Caller caller = CurrentCaller();
  Journal(*access, caller, function, args);
  return action(*access, caller);
}

// Forgets an attached encoder simulator that is no longer running.
void ForgetEndedSimulator(SharedState& state) {
  if (state.hookedProcessId != 0 &&
      !ProcessAlive(state.hookedProcessId, state.hookedProcessStart)) {
    state.hookedProcessId = 0;
    state.hookedProcessStart = 0;
  }
}

double SecondsSince(LARGE_INTEGER start) {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

extern "C" {

int __cdecl NOLB_Init(void) {
  gInitFileTime = FileClockNow();
  return Call("NOLB_Init", {}, [](SharedState& s, Caller) {
    ++s.initCount;
    return 1;
  });
}

int __cdecl NOLB_Uninit(void) {
  const std::int32_t written = FilesWrittenSince(gInitFileTime);
  return Call("NOLB_Uninit", {}, [written](SharedState& s, Caller) {
    s.initCount = std::max(s.initCount - 1, 0);
    s.filesWrittenBeforeUninit = written;
    return 1;
  });
}

int __cdecl NOLB_Lock(void) {
  StateAccess access;
  if (!access) return 0;
  const Caller caller = CurrentCaller();
  OpenGroup(*access, caller);
  Journal(*access, caller, "NOLB_Lock", {});
  access.KeepHeld();
  return 1;
}

int __cdecl NOLB_Unlock(void) {
  StateAccess access;
  if (!access) return 0;
  const Caller caller = CurrentCaller();
  Journal(*access, caller, "NOLB_Unlock", {});
  if (CloseGroup(*access, caller) == GroupEnd::NotOwner) return 0;
  access.ReleaseKeptHold();
  return 1;
}

int __cdecl NOLB_SetMode(int fixAspect, int useDirectDraw, int zoom, int showCursor,
                         int showAlphaWindow, int rotateType) {
  return Call("NOLB_SetMode",
              {fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType},
              [&](SharedState& s, Caller caller) {
                CaptureSetup& setup = SetupFor(s, caller);
                setup.fixAspect = fixAspect;
                setup.useDirectDraw = useDirectDraw;
                setup.zoom = zoom;
                setup.showCursor = showCursor;
                setup.showAlphaWindow = showAlphaWindow;
                setup.rotateType = rotateType;
                return 1;
              });
}

int __cdecl NOLB_SetTarget(HWND window, int x, int y, int width, int height) {
  return Call("NOLB_SetTarget", {AsArg(window), x, y, width, height},
              [&](SharedState& s, Caller caller) {
                CaptureSetup& setup = SetupFor(s, caller);
                setup.target = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
                setup.x = x;
                setup.y = y;
                setup.width = width;
                setup.height = height;
                return 1;
              });
}

int __cdecl NOLB_Enabled(int on) {
  return Call("NOLB_Enabled", {on}, [&](SharedState& s, Caller caller) {
    SetupFor(s, caller).enabled = on;
    return 1;
  });
}

int __cdecl NOLB_IsEnabled(void) {
  return Call("NOLB_IsEnabled", {}, [](SharedState& s, Caller caller) {
    return SetupFor(s, caller).enabled != 0 ? 1 : 0;
  });
}

int __cdecl NOLB_IsHooked(void) {
  return Call("NOLB_IsHooked", {}, [](SharedState& s, Caller) {
    ForgetEndedSimulator(s);
    return s.hookedProcessId != 0 ? 1 : 0;
  });
}

int __cdecl NOLB_GetTarget(HWND* window, int* x, int* y, int* width, int* height) {
  return Call("NOLB_GetTarget", {AsArg(window), AsArg(x), AsArg(y), AsArg(width), AsArg(height)},
              [&](SharedState& s, Caller caller) {
                const CaptureSetup& setup = SetupFor(s, caller);
                if (window) *window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(setup.target));
                if (x) *x = setup.x;
                if (y) *y = setup.y;
                if (width) *width = setup.width;
                if (height) *height = setup.height;
                return 1;
              });
}

int __cdecl NOLB_SetMousePos(int x, int y) {
  return Call("NOLB_SetMousePos", {x, y}, [&](SharedState& s, Caller caller) {
    CaptureSetup& setup = SetupFor(s, caller);
    setup.mouseX = x;
    setup.mouseY = y;
    return 1;
  });
}

int __cdecl NOLB_GetStatus(double* seconds) {
  return Call("NOLB_GetStatus", {AsArg(seconds)}, [&](SharedState& s, Caller) {
    if (!seconds) return 0;
    *seconds = s.lastFrameSeconds;
    return 1;
  });
}

int __cdecl NOLB_BitBltInit(void) {
  return Call("NOLB_BitBltInit", {}, [](SharedState& s, Caller) {
    ++s.bitBltInitCount;
    return 1;
  });
}

int __cdecl NOLB_BitBltUninit(void) {
  const int result = Call("NOLB_BitBltUninit", {}, [](SharedState& s, Caller) {
    s.bitBltInitCount = std::max(s.bitBltInitCount - 1, 0);
    return 1;
  });
  if (gRenderer) gRenderer->ReleaseAll();
  return result;
}

BOOL __cdecl NOLB_BitBlt(HDC destination, int x, int y, int width, int height, HDC source,
                         int sourceX, int sourceY, DWORD rop) {
  CaptureSetup setup{};
  const int known = Call(
      "NOLB_BitBlt",
      {AsArg(destination), x, y, width, height, AsArg(source), sourceX, sourceY,
       static_cast<std::int32_t>(rop)},
      [&](SharedState& s, Caller caller) {
        setup = SetupFor(s, caller);
        return 1;
      });
  if (!known || !gRenderer || !destination || width <= 0 || height <= 0) return FALSE;

  LARGE_INTEGER start{};
  QueryPerformanceCounter(&start);
  bool drawn = false;
  try {
    drawn = gRenderer->Draw(destination, Rect{x, y, width, height}, setup);
  } catch (...) {
    drawn = false;  // out of memory for the rotation buffer: nothing escapes into the caller
  }
  const double seconds = SecondsSince(start);
  if (StateAccess access; access) access->lastFrameSeconds = seconds;
  return drawn ? TRUE : FALSE;
}

std::int32_t __cdecl NOLBTest_ReadJournal(NolbJournalEntry* out, std::int32_t max) {
  if (!out || max <= 0) return 0;
  StateAccess access;
  if (!access) return 0;
  return static_cast<std::int32_t>(
      ReadOldestFirst(access->journal, std::span(out, static_cast<std::size_t>(max))));
}

void __cdecl NOLBTest_ClearJournal(void) {
  if (StateAccess access; access) Clear(access->journal);
}

void __cdecl NOLBTest_ReadState(NolbStateView* out) {
  if (!out) return;
  StateAccess access;
  if (!access) {
    *out = NolbStateView{};
    return;
  }
  ForgetEndedSimulator(*access);
  *out = View(*access, CurrentCaller());
}

void __cdecl NOLBTest_SetStatus(double seconds) {
  if (StateAccess access; access) access->lastFrameSeconds = seconds;
}

std::int32_t __cdecl NOLBSim_Attach(void) {
  StateAccess access;
  if (!access) return 0;
  access->hookedProcessId = GetCurrentProcessId();
  access->hookedProcessStart = CurrentProcessStartTime();
  return 1;
}

std::int32_t __cdecl NOLBSim_Detach(void) {
  StateAccess access;
  if (!access || access->hookedProcessId != GetCurrentProcessId()) return 0;
  access->hookedProcessId = 0;
  access->hookedProcessStart = 0;
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      if (!OpenSharedState()) return FALSE;
      gRenderer = new (std::nothrow) FrameRenderer();
      return gRenderer != nullptr;
    case DLL_THREAD_DETACH:
      if (gRenderer) gRenderer->ReleaseThisThread();
      break;
    case DLL_PROCESS_DETACH:
      // At process exit other threads are gone, possibly mid-call: touch
      // nothing and let the system reclaim everything.
      if (reserved == nullptr) {
        delete gRenderer;
        gRenderer = nullptr;
        CloseSharedState();
      }
      break;
  }
  return TRUE;
}

}  // extern "C"
