// Extra exports of the stand-in NOLB.DLL that only tests and the encoder
// simulator call; the panel never does. Plain C layout, 32-bit fields, so a
// test program can read what every process did through the library.
#pragma once

#include <stdint.h>

// The layouts are also used by the portable parts of the library, built
// natively where the calling convention has no name.
#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl
#endif

#ifdef __cplusplus
extern "C" {
#endif

// One call into the library, as the journal keeps it.
typedef struct NolbJournalEntry {
  uint32_t sequence;   // 1, 2, 3, ... in call order across all processes
  char function[24];   // export name, e.g. "NOLB_SetTarget", NUL-terminated
  int32_t argCount;
  int32_t args[9];     // integer and handle arguments; pointers as their value
  uint32_t group;      // number of the Lock/Unlock group the call ran in, 0 outside one
  uint32_t processId;
  uint32_t threadId;
  uint64_t microseconds;  // when the call came in: the system's performance
                          // counter in microseconds, one clock for every process
} NolbJournalEntry;

// The settings in force, as a reader of the library sees them.
typedef struct NolbStateView {
  int32_t initCount;        // NOLB_Init calls not yet matched by NOLB_Uninit
  int32_t enabled;
  uint32_t target;          // HWND
  int32_t x, y, width, height;
  int32_t fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType;
  int32_t mouseX, mouseY;
  int32_t bitBltInitCount;  // NOLB_BitBltInit calls not yet matched by NOLB_BitBltUninit
  uint32_t hookedProcessId; // the attached encoder simulator, 0 when none
  double lastFrameSeconds;
  int32_t filesWrittenBeforeUninit;  // at the last NOLB_Uninit: files of the caller's folder
                                     // and current folder written since its NOLB_Init
} NolbStateView;

// Copies the journal's entries, oldest first, into out (at most max) and
// returns how many were copied. The ring keeps the newest entries.
typedef int32_t(__cdecl* NOLBTest_ReadJournalFn)(NolbJournalEntry* out, int32_t max);
typedef void(__cdecl* NOLBTest_ClearJournalFn)(void);
typedef void(__cdecl* NOLBTest_ReadStateFn)(NolbStateView* out);
// Sets the processing time that NOLB_GetStatus reports (seconds).
typedef void(__cdecl* NOLBTest_SetStatusFn)(double seconds);
// The encoder simulator attaches itself (NOLB_IsHooked turns non-zero until
// the calling process ends or detaches).
typedef int32_t(__cdecl* NOLBSim_AttachFn)(void);
typedef int32_t(__cdecl* NOLBSim_DetachFn)(void);

#ifdef __cplusplus
}
#endif
