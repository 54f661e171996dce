// The capture hook library as the program's rules see it. The Win32 shell
// implements it over NOLB.DLL; unit tests implement it with a recorder.
#pragma once

#include <cstdint>

namespace nolb {

// A window handle as an opaque number; the core never dereferences it.
using WindowId = std::uintptr_t;

struct HookTarget {
  WindowId window = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The cursor position that withdraws the cursor from the library.
inline constexpr std::int32_t kWithdrawnMousePos = INT32_MIN;

class CaptureHook {
 public:
  virtual ~CaptureHook() = default;

  virtual void Init() = 0;
  virtual void Uninit() = 0;
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  virtual void SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom,
                       std::int32_t showCursor, std::int32_t showAlphaWindow,
                       std::int32_t rotateType) = 0;
  virtual void SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height) = 0;
  virtual void Enabled(std::int32_t on) = 0;
  virtual bool IsEnabled() = 0;
  virtual bool IsHooked() = 0;
  virtual HookTarget GetTarget() = 0;
  virtual void SetMousePos(std::int32_t x, std::int32_t y) = 0;
  // Seconds spent on the last frame.
  virtual double GetStatus() = 0;
};

}  // namespace nolb
