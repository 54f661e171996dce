// Section "Main" of the settings file, read at start-up into the main
// window, the capture record and the controls (properties: section_check.h).
// Besides: the rotation is one of the list's four items, the shrink list
// gets one of its items or none, the window is at least as high as designed
// and lands where the user can reach it, and the capture record receives
// what was read.
#include "app/main_settings.h"
#include "base/capture_settings.h"
#include "tests/fuzz/section_check.h"

namespace nolb::fuzz {
namespace {

const std::vector<SectionKey>& MainKeys() {
  using M = MainSettings;
  static const std::vector<SectionKey> keys = {
      {"Top", KeyRule::kInteger, M::kDefaultTop},
      {"Left", KeyRule::kInteger, M::kDefaultLeft},
      {"Width", KeyRule::kInteger, M::kDefaultWidth},
      {"Height", KeyRule::kInteger, M::kDefaultHeight},
      {"X", KeyRule::kInteger, M::kDefaultX},
      {"Y", KeyRule::kInteger, M::kDefaultY},
      {"sWidth", KeyRule::kInteger, M::kDefaultCaptureWidth},
      {"sHeight", KeyRule::kInteger, M::kDefaultCaptureHeight},
      {"FixAspect", KeyRule::kFlag, M::kDefaultFixAspect},
      {"RotateType", KeyRule::kRotation, M::kDefaultRotateType},
      {"Zoom", KeyRule::kFlag, M::kDefaultZoom},
      {"ShowCursor", KeyRule::kFlag, M::kDefaultShowCursor},
      {"ShowAlphaWindow", KeyRule::kFlag, M::kDefaultShowAlphaWindow},
      {"BltMode", KeyRule::kInteger, M::kDefaultBltMode},
      {"ShowRange", KeyRule::kFlag, M::kDefaultShowRange},
      {"CentreCursor", KeyRule::kFlag, M::kDefaultCentreCursor},
      {"AlphaBlend", KeyRule::kFlag, M::kDefaultAlphaBlend},
      {"AlphaBlendValue", KeyRule::kLowByte, M::kDefaultAlphaBlendValue},
      {"Reacquire", KeyRule::kFlag, M::kDefaultReacquire},
      {"RealtimeInterval", KeyRule::kTickPeriod, M::kDefaultRealtimeInterval},
      {"SmoothFollow", KeyRule::kFlag, M::kDefaultSmoothFollow},
      {"KeepOnScreen", KeyRule::kFlag, M::kDefaultKeepOnScreen},
      {"MinimiseToTray", KeyRule::kFlag, M::kDefaultMinimiseToTray},
      {"ExcludeFromCapture", KeyRule::kFlag, M::kDefaultExcludeFromCapture},
  };
  return keys;
}

void CheckUse(const MainSettings& s) {
  const int bltIndex = BltModeListIndex(s.bltMode);
  FUZZ_REQUIRE(bltIndex == (s.bltMode == 0 || s.bltMode == 1 ? s.bltMode : -1),
               "BltMode " + IntegerText(s.bltMode) + " selects item " + IntegerText(bltIndex));
  const std::int32_t height = RestoredWindowHeight(s.height);
  FUZZ_REQUIRE(height == std::max(s.height, kDesignedWindowHeight),
               "Height " + IntegerText(s.height) + " restored as " + IntegerText(height));
  CheckPlacement({s.left, s.top, s.width, height});

  CaptureSettings record;
  RestoreCaptureSettings(s, record);
  FUZZ_REQUIRE(record.x == s.x && record.y == s.y && record.width == s.captureWidth &&
                   record.height == s.captureHeight && record.rotateType == s.rotateType &&
                   record.fixAspect == s.fixAspect && record.zoom == s.zoom &&
                   record.showCursor == s.showCursor && record.showAlphaWindow == s.showAlphaWindow,
               "the capture record did not receive what was read");
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nolb;
  const MainSettings settings = fuzz::CheckSection<MainSettings>(
      fuzz::AsText(data, size), kMainSection, fuzz::MainKeys(),
      [](SettingsStore& file) { return ReadMainSettings(file); },
      [](SettingsStore& file, const MainSettings& s) { WriteMainSettings(file, s); });
  fuzz::CheckUse(settings);
  return 0;
}
