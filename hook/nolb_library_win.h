// NOLB.DLL, loaded from the program's own folder and resolved by name.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "base/capture_hook.h"
#include "hook/nolb_exports_win.h"
#include "ui/handles_win.h"

namespace nolb {

class NolbLibrary : public CaptureHook {
 public:
  // Loads NOLB.DLL from the folder of the running executable only (never the
  // current directory or the search path) and resolves all fifteen
  // functions. Raises Error naming what is missing.
  static std::unique_ptr<NolbLibrary> Load();

  void Init() override { NOLB_Init_(); }
  void Uninit() override { NOLB_Uninit_(); }
  void Lock() override { NOLB_Lock_(); }
  void Unlock() override { NOLB_Unlock_(); }
  void SetMode(std::int32_t fixAspect, std::int32_t useDirectDraw, std::int32_t zoom,
               std::int32_t showCursor, std::int32_t showAlphaWindow,
               std::int32_t rotateType) override {
    NOLB_SetMode_(fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType);
  }
  void SetTarget(WindowId window, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height) override {
    NOLB_SetTarget_(reinterpret_cast<HWND>(window), x, y, width, height);
  }
  void Enabled(std::int32_t on) override { NOLB_Enabled_(on); }
  bool IsEnabled() override { return NOLB_IsEnabled_() != 0; }
  bool IsHooked() override { return NOLB_IsHooked_() != 0; }
  HookTarget GetTarget() override;
  void SetMousePos(std::int32_t x, std::int32_t y) override { NOLB_SetMousePos_(x, y); }
  double GetStatus() override;

  // Preview drawing.
  void BitBltInit() { NOLB_BitBltInit_(); }
  void BitBltUninit() { NOLB_BitBltUninit_(); }
  BOOL BitBlt(HDC dc, int width, int height) {
    return NOLB_BitBlt_(dc, 0, 0, width, height, nullptr, 0, 0, SRCCOPY);
  }

 private:
  NolbLibrary() = default;

  ui::Module module_;
#define NOLB_DECLARE_POINTER(name) name##Fn name##_ = nullptr;
  NOLB_FOR_EACH_EXPORT(NOLB_DECLARE_POINTER)
#undef NOLB_DECLARE_POINTER
};

}  // namespace nolb
