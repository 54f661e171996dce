#include "app/main_settings.h"

#include <algorithm>

namespace nolb {
namespace {

// Calls visit(key, field, default) for every key of the section, in the
// order in which the keys are read and written; the defaults come from d.
template <typename Settings, typename Visit>
void ForEachKey(Settings& s, const MainSettings& d, Visit&& visit) {
  visit("Top", s.top, d.top);
  visit("Left", s.left, d.left);
  visit("Width", s.width, d.width);
  visit("Height", s.height, d.height);
  visit("X", s.x, d.x);
  visit("Y", s.y, d.y);
  visit("sWidth", s.captureWidth, d.captureWidth);
  visit("sHeight", s.captureHeight, d.captureHeight);
  visit("FixAspect", s.fixAspect, d.fixAspect);
  visit("RotateType", s.rotateType, d.rotateType);
  visit("Zoom", s.zoom, d.zoom);
  visit("ShowCursor", s.showCursor, d.showCursor);
  visit("ShowAlphaWindow", s.showAlphaWindow, d.showAlphaWindow);
  visit("BltMode", s.bltMode, d.bltMode);
  visit("ShowRange", s.showRange, d.showRange);
  visit("CentreCursor", s.centreCursor, d.centreCursor);
  visit("AlphaBlend", s.alphaBlend, d.alphaBlend);
  visit("AlphaBlendValue", s.alphaBlendValue, d.alphaBlendValue);
  visit("Reacquire", s.reacquire, d.reacquire);
  visit("RealtimeInterval", s.realtimeInterval, d.realtimeInterval);
  visit("SmoothFollow", s.smoothFollow, d.smoothFollow);
  visit("KeepOnScreen", s.keepOnScreen, d.keepOnScreen);
  visit("MinimiseToTray", s.minimiseToTray, d.minimiseToTray);
  visit("ExcludeFromCapture", s.excludeFromCapture, d.excludeFromCapture);
}

constexpr std::int32_t kRotationCount = 4;

}  // namespace

MainSettings ReadMainSettings(SettingsStore& store, const MainSettings& defaults) {
  MainSettings settings = defaults;
  ForEachKey(settings, defaults, [&](const char* key, auto& field, auto fallback) {
    ReadKey(store, kMainSection, key, field, fallback);
  });
  if (settings.rotateType < 0 || settings.rotateType >= kRotationCount) {
    settings.rotateType = MainSettings::kDefaultRotateType;
  }
  if (settings.realtimeInterval < MainSettings::kMinRealtimeInterval ||
      settings.realtimeInterval > MainSettings::kMaxRealtimeInterval) {
    settings.realtimeInterval = MainSettings::kDefaultRealtimeInterval;
  }
  return settings;
}

void WriteMainSettings(SettingsStore& store, const MainSettings& settings) {
  WriteSection(store, kMainSection, settings,
               [](auto& s, auto&& visit) { ForEachKey(s, s, visit); });
}

std::int32_t RestoredWindowHeight(std::int32_t stored, std::int32_t designed) {
  return std::max(stored, designed);
}

int BltModeListIndex(std::int32_t bltMode) { return bltMode == 0 || bltMode == 1 ? bltMode : -1; }

void RestoreCaptureSettings(const MainSettings& settings, CaptureSettings& record) {
  record.x = settings.x;
  record.y = settings.y;
  record.width = settings.captureWidth;
  record.height = settings.captureHeight;
  record.fixAspect = settings.fixAspect;
  record.rotateType = settings.rotateType;
  record.zoom = settings.zoom;
  record.showCursor = settings.showCursor;
  record.showAlphaWindow = settings.showAlphaWindow;
}

}  // namespace nolb
