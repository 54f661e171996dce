// The settings store reads a section of the file at once: every key must
// come out as the platform's own one-key read gives it, also from a file
// written by hand, and a key written is read back at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/temp_folder.h"
#include "harness/text.h"
#include "ui/settings_store_win.h"

namespace {

// What the platform's profile functions give for one key, read alone.
std::optional<std::string> ReadAlone(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[1024];
  DWORD n = GetPrivateProfileStringW(section, key, L"", value, 1024, file.c_str());
  if (n == 0) return std::nullopt;
  return e2e::Utf8(std::wstring_view(value, n));
}

TEST(ProfileStore, ReadsEveryKeyAsTheOneKeyReadDoes) {
  e2e::TempFolder folder;
  const auto file = folder.Path() / L"odd.ini";
  const std::string longValue(700, '7');
  e2e::WriteFile(file,
                 "[Other]\r\nLeft=99\r\n"
                 "[main]\r\n"
                 "  Left  =  12  \r\n"
                 "left=13\r\n"
                 "Top=\"34\"\r\n"
                 "Width='56'\r\n"
                 "Height=\"78\r\n"
                 "X= \" 9 \" \r\n"
                 "Y=\r\n"
                 "NoValue\r\n"
                 "NoValue=5\r\n"
                 ";Comment=1\r\n"
                 "Equals=a=b\r\n"
                 "Tab\t=\t4\t\r\n"
                 "Quote=\"\r\n"
                 "Long=" + longValue + "\r\n"
                 "[Main]\r\nSecond=1\r\n");
  nolb::ProfileSettingsStore store(file.wstring());
  for (const wchar_t* key : {L"Left", L"LEFT", L"Top", L"Width", L"Height", L"X", L"Y", L"NoValue", L";Comment",
                             L"Comment", L"Equals", L"Tab", L"Quote", L"Second", L"Missing"}) {
    EXPECT_EQ(store.Read("Main", e2e::Utf8(key)), ReadAlone(file.wstring(), L"Main", key)) << e2e::Utf8(key);
  }
  EXPECT_EQ(store.Read("Main", "Long"), longValue);
  EXPECT_EQ(store.Read("Main", "Left"), "12");
  EXPECT_EQ(store.Read("Other", "Left"), "99");
  EXPECT_EQ(store.Read("Nowhere", "Left"), std::nullopt);

  store.Write("Main", "Left", "-5");
  EXPECT_EQ(store.Read("Main", "Left"), "-5");
  EXPECT_EQ(nolb::ProfileSettingsStore((folder.Path() / L"none.ini").wstring()).Read("Main", "Left"), std::nullopt);

  // A section removed is gone at once; removing one from no file makes none.
  store.RemoveSection("Other");
  EXPECT_EQ(store.Read("Other", "Left"), std::nullopt);
  EXPECT_EQ(ReadAlone(file.wstring(), L"Other", L"Left"), std::nullopt);
  EXPECT_EQ(store.Read("Main", "Left"), "-5");
  nolb::ProfileSettingsStore((folder.Path() / L"none.ini").wstring()).RemoveSection("Main");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / L"none.ini"));

  // A section longer than the first read's buffer: no key is cut at its edge.
  const auto big = folder.Path() / L"big.ini";
  std::string text = "[Big]\r\n";
  for (int i = 0; i < 400; ++i) text += "Key" + std::to_string(i) + "=value" + std::to_string(i * 7) + "\r\n";
  e2e::WriteFile(big, text);
  ASSERT_GT(text.size(), 6000u);
  nolb::ProfileSettingsStore bigStore(big.wstring());
  for (int i = 0; i < 400; ++i) {
    const std::string key = "Key" + std::to_string(i);
    ASSERT_EQ(bigStore.Read("Big", key), ReadAlone(big.wstring(), L"Big", e2e::Wide(key).c_str())) << key;
  }
}

}  // namespace
