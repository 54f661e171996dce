#include "base/capture_exclusion.h"

#include <gtest/gtest.h>

namespace nolb {
namespace {

TEST(CaptureExclusion, OnlyTheSystemsThatLeaveAWindowOutAreAsked) {
  const std::pair<SystemVersion, bool> cases[] = {
      {{10, 0, 19041}, true},  {{10, 0, 22631}, true}, {{11, 0, 0}, true},   {{10, 1, 0}, true},
      {{10, 0, 19040}, false}, {{10, 0, 18363}, false}, {{6, 3, 9600}, false}, {{6, 1, 7601}, false}, {{}, false}};
  for (const auto& [system, supported] : cases) {
    EXPECT_EQ(CaptureExclusionSupported(system), supported) << system.major << "." << system.minor << "." << system.build;
    EXPECT_EQ(CaptureAffinityFor(true, true, system),
              supported ? std::optional(DisplayAffinity::kExcludeFromCapture) : std::nullopt);
  }
  const SystemVersion current{10, 0, 22631};
  EXPECT_EQ(CaptureAffinityFor(false, true, current), DisplayAffinity::kNone);
  // A marker or the selection is left as it is, either way.
  EXPECT_EQ(CaptureAffinityFor(true, false, current), std::nullopt);
  EXPECT_EQ(CaptureAffinityFor(false, false, current), std::nullopt);
}

}  // namespace
}  // namespace nolb
