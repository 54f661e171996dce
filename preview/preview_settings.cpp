#include "preview/preview_settings.h"

namespace nolb {
namespace {

// Calls visit(key, field, default) for every key of the section, in the
// order in which the keys are read and written.
template <typename Settings, typename Visit>
void ForEachKey(Settings& s, Visit&& visit) {
  using P = PreviewSettings;
  visit("Top", s.top, P::kDefaultTop);
  visit("Left", s.left, P::kDefaultLeft);
  visit("sWidth", s.pictureWidth, P::kDefaultPictureWidth);
  visit("sHeight", s.pictureHeight, P::kDefaultPictureHeight);
  visit("FrameRate", s.frameRate, kDefaultFrameRateIndex);
  visit("AlphaBlend", s.alphaBlend, P::kDefaultAlphaBlend);
  visit("AlphaBlendValue", s.alphaBlendValue, P::kDefaultAlphaBlendValue);
}

}  // namespace

PreviewSettings ReadPreviewSettings(SettingsStore& store) {
  return ReadSection<PreviewSettings>(
      store, kPreviewSection, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
}

void WritePreviewSettings(SettingsStore& store, const PreviewSettings& settings) {
  WriteSection(store, kPreviewSection, settings, [](auto& s, auto&& visit) { ForEachKey(s, visit); });
}

}  // namespace nolb
