// Section "Preview" of the settings file: the preview window's place, its
// picture size and frame rate, and its translucency. Read once when the
// preview window is created and written once when it is destroyed.
#pragma once

#include <cstdint>

#include "base/settings_store.h"
#include "preview/frame_rate.h"

namespace nolb {

inline constexpr char kPreviewSection[] = "Preview";

struct PreviewSettings {
  static constexpr std::int32_t kDefaultTop = 32;
  static constexpr std::int32_t kDefaultLeft = 32;
  static constexpr std::int32_t kDefaultPictureWidth = 320;
  static constexpr std::int32_t kDefaultPictureHeight = 240;
  static constexpr bool kDefaultAlphaBlend = false;
  static constexpr std::uint8_t kDefaultAlphaBlendValue = 255;

  std::int32_t top = kDefaultTop;
  std::int32_t left = kDefaultLeft;
  // The picture area; keys sWidth, sHeight.
  std::int32_t pictureWidth = kDefaultPictureWidth;
  std::int32_t pictureHeight = kDefaultPictureHeight;
  // Index of the frame-rate list; any other value means 500 ms.
  std::int32_t frameRate = kDefaultFrameRateIndex;
  bool alphaBlend = kDefaultAlphaBlend;
  std::uint8_t alphaBlendValue = kDefaultAlphaBlendValue;

  bool operator==(const PreviewSettings&) const = default;
};

// Reads the seven keys in order: Top, Left, sWidth, sHeight, FrameRate,
// AlphaBlend, AlphaBlendValue. A missing key or a value that is no integer
// gives the default; only the low 8 bits of AlphaBlendValue count.
PreviewSettings ReadPreviewSettings(SettingsStore& store);

// Writes the seven keys in the same order, flags as 0 or 1. The first key
// that cannot be written raises Error and ends the writing.
void WritePreviewSettings(SettingsStore& store, const PreviewSettings& settings);

}  // namespace nolb
