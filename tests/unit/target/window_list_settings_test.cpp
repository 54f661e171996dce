#include "target/window_list_settings.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

TEST(WindowListSettings, SizeKeptInItsOwnSectionNeverBelowTheMinimum) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadWindowListSettings(store), (WindowListSettings{640, 440}));
  WriteWindowListSettings(store, {900, 500});
  EXPECT_EQ(store.values.size(), 2u);
  EXPECT_EQ(ReadWindowListSettings(store), (WindowListSettings{900, 500}));
  store.Set("WindowList", "Width", "200");
  store.Set("WindowList", "Height", "-5");
  EXPECT_EQ(ReadWindowListSettings(store), (WindowListSettings{360, 240}));
}

}  // namespace
}  // namespace nolb
