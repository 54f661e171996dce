// The fifteen functions of the capture hook library NOLB.DLL, as the library
// exports them: plain C names, 32-bit integer and pointer arguments, the
// caller removing the arguments (cdecl). Results the panel does not rely on
// are still declared as the library returns them.
#pragma once

#include <windows.h>

extern "C" {
typedef int(__cdecl* NOLB_InitFn)(void);
typedef int(__cdecl* NOLB_UninitFn)(void);
typedef int(__cdecl* NOLB_LockFn)(void);
typedef int(__cdecl* NOLB_UnlockFn)(void);
// keep aspect, shrink with DirectDraw, zoom, draw cursor, layered windows, rotation 0-3
typedef int(__cdecl* NOLB_SetModeFn)(int, int, int, int, int, int);
typedef int(__cdecl* NOLB_SetTargetFn)(HWND, int, int, int, int);
typedef int(__cdecl* NOLB_EnabledFn)(int);
typedef int(__cdecl* NOLB_IsEnabledFn)(void);
typedef int(__cdecl* NOLB_IsHookedFn)(void);
typedef int(__cdecl* NOLB_GetTargetFn)(HWND*, int*, int*, int*, int*);
typedef int(__cdecl* NOLB_SetMousePosFn)(int, int);
typedef int(__cdecl* NOLB_GetStatusFn)(double*);
typedef int(__cdecl* NOLB_BitBltInitFn)(void);
typedef int(__cdecl* NOLB_BitBltUninitFn)(void);
typedef BOOL(__cdecl* NOLB_BitBltFn)(HDC, int, int, int, int, HDC, int, int, DWORD);
}

// The export names, in the order of the table the panel resolves them in.
#define NOLB_FOR_EACH_EXPORT(X) \
  X(NOLB_Init)                  \
  X(NOLB_Uninit)                \
  X(NOLB_Lock)                  \
  X(NOLB_Unlock)                \
  X(NOLB_SetMode)               \
  X(NOLB_SetTarget)             \
  X(NOLB_Enabled)               \
  X(NOLB_IsEnabled)             \
  X(NOLB_IsHooked)              \
  X(NOLB_GetTarget)             \
  X(NOLB_SetMousePos)           \
  X(NOLB_GetStatus)             \
  X(NOLB_BitBltInit)            \
  X(NOLB_BitBltUninit)          \
  X(NOLB_BitBlt)
