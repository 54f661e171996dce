// Section "Preview" of the settings file, read when the preview window is
// made (properties: section_check.h). Besides: the frame rate gives one of
// the list's periods or 500 ms, the window around the picture and the
// picture's surface are sized without wrapping round, and the window lands
// where the user can reach it.
#include <set>

#include "preview/frame_rate.h"
#include "preview/preview_geometry.h"
#include "preview/preview_settings.h"
#include "tests/fuzz/section_check.h"

namespace nolb::fuzz {
namespace {

const std::vector<SectionKey>& PreviewKeys() {
  using P = PreviewSettings;
  static const std::vector<SectionKey> keys = {
      {"Top", KeyRule::kInteger, P::kDefaultTop},
      {"Left", KeyRule::kInteger, P::kDefaultLeft},
      {"sWidth", KeyRule::kInteger, P::kDefaultPictureWidth},
      {"sHeight", KeyRule::kInteger, P::kDefaultPictureHeight},
      {"FrameRate", KeyRule::kInteger, kDefaultFrameRateIndex},
      {"AlphaBlend", KeyRule::kFlag, P::kDefaultAlphaBlend},
      {"AlphaBlendValue", KeyRule::kLowByte, P::kDefaultAlphaBlendValue},
  };
  return keys;
}

void CheckUse(const PreviewSettings& s) {
  static const std::set<std::uint32_t> kPeriods = {33, 66, 100, 200, 333, 1000};
  const std::uint32_t period = FrameRatePeriod(s.frameRate);
  const bool listed = s.frameRate >= 0 && s.frameRate < 6;
  FUZZ_REQUIRE(listed ? kPeriods.contains(period) : period == 500,
               "FrameRate " + IntegerText(s.frameRate) + " gives " + std::to_string(period) + " ms");

  const PixelSize window = PreviewWindowSize(s.pictureWidth, s.pictureHeight);
  FUZZ_REQUIRE(window.width >= s.pictureWidth && window.height >= s.pictureHeight,
               "the picture " + IntegerText(s.pictureWidth) + " x " + IntegerText(s.pictureHeight) +
                   " gives a smaller window");
  CheckPlacement({s.left, s.top, window.width, window.height});

  const std::optional<std::int32_t> bytes = SurfaceImageSize(s.pictureWidth, s.pictureHeight);
  const std::int64_t pixels = std::int64_t{s.pictureWidth} * s.pictureHeight;
  const bool fits = s.pictureWidth > 0 && s.pictureHeight > 0 && pixels <= INT32_MAX / 4;
  FUZZ_REQUIRE(fits ? bytes == pixels * 4 : !bytes,
               "a surface of " + IntegerText(s.pictureWidth) + " x " + IntegerText(s.pictureHeight) +
                   " takes " + (bytes ? IntegerText(*bytes) : "no") + " bytes");
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nolb;
  const PreviewSettings settings = fuzz::CheckSection<PreviewSettings>(
      fuzz::AsText(data, size), kPreviewSection, fuzz::PreviewKeys(),
      [](SettingsStore& file) { return ReadPreviewSettings(file); },
      [](SettingsStore& file, const PreviewSettings& s) { WritePreviewSettings(file, s); });
  fuzz::CheckUse(settings);
  return 0;
}
