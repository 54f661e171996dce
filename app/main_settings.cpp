#include "app/main_settings.h"

#include <algorithm>

namespace nolb {
namespace {

// Calls visit(key, field, default) for every key of the section, in the
// order in which the keys are read and written.
template <typename Settings, typename Visit>
void ForEachKey(Settings& s, Visit&& visit) {
  using M = MainSettings;
  visit("Top", s.top, M::kDefaultTop);
  visit("Left", s.left, M::kDefaultLeft);
  visit("Width", s.width, M::kDefaultWidth);
  visit("Height", s.height, M::kDefaultHeight);
  visit("X", s.x, M::kDefaultX);
  visit("Y", s.y, M::kDefaultY);
  visit("sWidth", s.captureWidth, M::kDefaultCaptureWidth);
  visit("sHeight", s.captureHeight, M::kDefaultCaptureHeight);
  visit("FixAspect", s.fixAspect, M::kDefaultFixAspect);
  visit("RotateType", s.rotateType, M::kDefaultRotateType);
  visit("Zoom", s.zoom, M::kDefaultZoom);
  visit("ShowCursor", s.showCursor, M::kDefaultShowCursor);
  visit("ShowAlphaWindow", s.showAlphaWindow, M::kDefaultShowAlphaWindow);
  visit("BltMode", s.bltMode, M::kDefaultBltMode);
  visit("ShowRange", s.showRange, M::kDefaultShowRange);
  visit("CentreCursor", s.centreCursor, M::kDefaultCentreCursor);
  visit("AlphaBlend", s.alphaBlend, M::kDefaultAlphaBlend);
  visit("AlphaBlendValue", s.alphaBlendValue, M::kDefaultAlphaBlendValue);
}

constexpr std::int32_t kRotationCount = 4;

}  // namespace

MainSettings ReadMainSettings(SettingsStore& store) {
  auto settings = ReadSection<MainSettings>(
      store, kMainSection, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
  if (settings.rotateType < 0 || settings.rotateType >= kRotationCount) {
    settings.rotateType = MainSettings::kDefaultRotateType;
  }
  return settings;
}

void WriteMainSettings(SettingsStore& store, const MainSettings& settings) {
  WriteSection(store, kMainSection, settings, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
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
