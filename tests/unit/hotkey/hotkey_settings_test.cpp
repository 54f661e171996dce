#include "hotkey/hotkey_settings.h"

#include <gtest/gtest.h>

#include "tests/unit/fakes/memory_settings_store.h"

namespace nolb {
namespace {

TEST(HotkeySettings, StoredValuesAreTakenModulo65536AsTheEditKeepsThem) {
  MemorySettingsStore store;
  store.Set("Hotkey", "Left", "-100");
  store.Set("Hotkey", "HotKeyAutoMouse", "82032");     // 0x14070: Ctrl+F1 once wrapped
  store.Set("Hotkey", "HotKeyTarget", "-1");           // 0xFFFF: key 0xFF with all three modifiers
  store.Set("Hotkey", "HotKeySetPos", "x");            // no number: designed value
  store.Set("Hotkey", "HotKeySelectSizeRegistered", "2");
  HotkeySettings s = ReadHotkeySettings(store);
  EXPECT_EQ(s.top, 32);
  EXPECT_EQ(s.left, -100);
  EXPECT_EQ(s.rows[kRowAutoMouse].value, 0x4070);
  EXPECT_EQ(s.rows[kRowWindowGrab].value, 0xE0FF);
  EXPECT_EQ(s.rows[kRowSetPos].value, 120);
  EXPECT_TRUE(s.rows[kRowSelSize].registered);
  EXPECT_FALSE(s.rows[kRowSelPos].registered);
}

}  // namespace
}  // namespace nolb
