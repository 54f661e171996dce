#include "target/window_list_settings.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

TEST(WindowListSettings, SizeReadWithDefaultsAndMinimum) {
  struct Case {
    const char* width;   // nullptr: the key is missing
    const char* height;
    WindowListSettings read;
  };
  const Case cases[] = {
      {nullptr, nullptr, {640, 440}},
      {"800", "600", {800, 600}},
      {"abc", "", {640, 440}},      // no numbers
      {"200", "-5", {360, 240}},    // below the minimum
      {"360", "$F0", {360, 240}},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    if (c.width) store.Set("WindowList", "Width", c.width);
    if (c.height) store.Set("WindowList", "Height", c.height);
    EXPECT_EQ(ReadWindowListSettings(store), c.read) << (c.width ? c.width : "-");
  }
}

TEST(WindowListSettings, WrittenInItsOwnSectionAndReadBack) {
  MemorySettingsStore store;
  WriteWindowListSettings(store, {900, 500});
  const std::vector<MemorySettingsStore::WrittenKey> expected{{"WindowList", "Width", "900"},
                                                              {"WindowList", "Height", "500"}};
  EXPECT_EQ(store.writes, expected);
  EXPECT_EQ(ReadWindowListSettings(store), (WindowListSettings{900, 500}));
}

}  // namespace
}  // namespace nolb
