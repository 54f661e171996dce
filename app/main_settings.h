// Section "Main" of the settings file: the main window's place and size, the
// capture rectangle, the mode controls, and the switches of the menu, the
// real-time box and translucency. Read once when the main window is created
// and written once when it is destroyed.
#pragma once

#include <cstdint>

#include "base/capture_settings.h"
#include "base/settings_store.h"

namespace nolb {

inline constexpr char kMainSection[] = "Main";

// The main window as designed.
inline constexpr std::int32_t kDesignedWindowWidth = 289;
inline constexpr std::int32_t kDesignedWindowHeight = 487;

struct MainSettings {
  static constexpr std::int32_t kDefaultTop = 16;
  static constexpr std::int32_t kDefaultLeft = 16;
  static constexpr std::int32_t kDefaultWidth = kDesignedWindowWidth;
  static constexpr std::int32_t kDefaultHeight = kDesignedWindowHeight;
  static constexpr std::int32_t kDefaultX = 0;
  static constexpr std::int32_t kDefaultY = 0;
  static constexpr std::int32_t kDefaultCaptureWidth = 320;
  static constexpr std::int32_t kDefaultCaptureHeight = 240;
  static constexpr bool kDefaultFixAspect = true;
  static constexpr std::int32_t kDefaultRotateType = 0;
  static constexpr bool kDefaultZoom = false;
  static constexpr bool kDefaultShowCursor = true;
  static constexpr bool kDefaultShowAlphaWindow = false;
  static constexpr std::int32_t kDefaultBltMode = 0;
  static constexpr bool kDefaultShowRange = false;
  static constexpr bool kDefaultCentreCursor = false;
  static constexpr bool kDefaultAlphaBlend = false;
  static constexpr std::uint8_t kDefaultAlphaBlendValue = 255;
  static constexpr bool kDefaultReacquire = false;
  // The real-time tick's period in milliseconds: about 30 ticks a second,
  // and the range a stored period must lie in.
  static constexpr std::int32_t kDefaultRealtimeInterval = 33;
  static constexpr std::int32_t kMinRealtimeInterval = 10;
  static constexpr std::int32_t kMaxRealtimeInterval = 100;
  static constexpr bool kDefaultSmoothFollow = false;
  static constexpr bool kDefaultKeepOnScreen = false;
  static constexpr bool kDefaultMinimiseToTray = false;
  static constexpr bool kDefaultExcludeFromCapture = false;

  // The main window.
  std::int32_t top = kDefaultTop;
  std::int32_t left = kDefaultLeft;
  std::int32_t width = kDefaultWidth;
  std::int32_t height = kDefaultHeight;
  // The capture rectangle (record and edits); keys X, Y, sWidth, sHeight.
  std::int32_t x = kDefaultX;
  std::int32_t y = kDefaultY;
  std::int32_t captureWidth = kDefaultCaptureWidth;
  std::int32_t captureHeight = kDefaultCaptureHeight;
  // The mode controls (record and controls).
  bool fixAspect = kDefaultFixAspect;
  std::int32_t rotateType = kDefaultRotateType;  // item index of the rotation list, 0-3
  bool zoom = kDefaultZoom;
  bool showCursor = kDefaultShowCursor;
  bool showAlphaWindow = kDefaultShowAlphaWindow;
  std::int32_t bltMode = kDefaultBltMode;  // item index of the shrink list; see BltModeListIndex
  // The capture-range menu check, the cursor-centre box, translucency.
  bool showRange = kDefaultShowRange;
  bool centreCursor = kDefaultCentreCursor;
  bool alphaBlend = kDefaultAlphaBlend;
  std::uint8_t alphaBlendValue = kDefaultAlphaBlendValue;
  // The menu switch that takes a lost target again when its program comes
  // back; written after the others, so that older files keep their order.
  bool reacquire = kDefaultReacquire;
  // How the mouse is followed: the tick's period and the menu switches that
  // let the rectangle glide and keep it on the screen.
  std::int32_t realtimeInterval = kDefaultRealtimeInterval;
  bool smoothFollow = kDefaultSmoothFollow;
  bool keepOnScreen = kDefaultKeepOnScreen;
  // The switches of "表示(&S)": minimising puts the window away into the
  // notification area; the panel's windows are kept out of captures.
  bool minimiseToTray = kDefaultMinimiseToTray;
  bool excludeFromCapture = kDefaultExcludeFromCapture;

  bool operator==(const MainSettings&) const = default;
};

// Reads the twenty-four keys in order. A missing key or a value that is no
// integer gives its value in defaults (the shell passes the window's
// initial size there, which may exceed the designed one); a RotateType outside 0-3 gives 0 ("0ﾟ"), so
// the rotation list always has a selected item; only the low 8 bits of
// AlphaBlendValue count; a RealtimeInterval outside 10-100 gives 33, which
// is then the period in force and written back at exit.
MainSettings ReadMainSettings(SettingsStore& store, const MainSettings& defaults = {});

// Writes the twenty-four keys in the same order, as decimal integers and flags
// as 0 or 1. The first key that cannot be written raises Error and ends the
// writing. The shell takes x, y, captureWidth, captureHeight from the edits
// with ToInteger.
void WriteMainSettings(SettingsStore& store, const MainSettings& settings);

// The main window's height at start-up: a stored height below the designed
// one is raised to it.
std::int32_t RestoredWindowHeight(std::int32_t stored, std::int32_t designed = kDesignedWindowHeight);

// The item of the shrink list to select for a stored BltMode: 0 or 1, or -1
// (no item, so Apply leaves UseDirectDraw as it is) for any other value.
int BltModeListIndex(std::int32_t bltMode);

// The fields that start-up puts into the capture settings record: the
// rectangle, FixAspect, RotateType, Zoom, ShowCursor, ShowAlphaWindow.
void RestoreCaptureSettings(const MainSettings& settings, CaptureSettings& record);

}  // namespace nolb
