#include "target/select_settings.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

TEST(SelectSettings, TheMagnifierIsOnUnlessTheFileSaysOff) {
  MemorySettingsStore store;
  EXPECT_TRUE(ReadSelectSettings(store).magnifier);
  store.Set("Main", "Magnifier", "0");
  EXPECT_TRUE(ReadSelectSettings(store).magnifier) << "only section Select counts";
  store.Set("Select", "Magnifier", "0");
  EXPECT_FALSE(ReadSelectSettings(store).magnifier);

  WriteSelectSettings(store, {.magnifier = true});
  EXPECT_EQ(store.writes.back(), (MemorySettingsStore::WrittenKey{"Select", "Magnifier", "1"}));
}

}  // namespace
}  // namespace nolb
