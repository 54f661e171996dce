// What a user sees of the built program beyond its windows' contents: the
// version resource (Explorer's properties), the icons and the manifest.
#include <windows.h>

#include <regex>
#include <set>
#include <string>

#include "harness/e2e.h"

namespace {

std::wstring PanelExe() { return (e2e::BinDir() / L"NOLBPanel.exe").wstring(); }

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR found, LONG_PTR first) {
  *reinterpret_cast<LPCWSTR*>(first) = found;
  return FALSE;
}

// The first resource of a type in the executable, as bytes.
std::string FirstResource(const wchar_t* type) {
  HMODULE module = LoadLibraryExW(PanelExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  LPCWSTR name = nullptr;
  EnumResourceNamesW(module, type, &TakeFirstName, reinterpret_cast<LONG_PTR>(&name));
  HRSRC found = name ? FindResourceW(module, name, type) : nullptr;
  std::string bytes;
  if (found) bytes.assign(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found));
  if (module) FreeLibrary(module);
  return bytes;
}

// Pixels of the icon's orange brackets in a window's top-left corner, where
// its title bar shows the small icon.
int IconPixelsInTitleBar(const e2e::Window& window) {
  RECT r = window.Rect();
  int side = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
  e2e::ScreenImage image = e2e::CaptureScreen({r.left, r.top, r.left + side, r.top + side});
  int found = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) found += image.Pixel(x, y) == RGB(0xFF, 0x8A, 0x1C);
  }
  return found;
}

TEST(Release, TheVersionResourceIsJapaneseWithTheCaptionsVersion) {
  DWORD size = GetFileVersionInfoSizeW(PanelExe().c_str(), nullptr);
  ASSERT_GT(size, 0u) << "no version resource";
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(PanelExe().c_str(), 0, size, block.data()));
  auto query = [&](const std::wstring& path) {
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueW(block.data(), path.c_str(), &value, &length) ? value : nullptr;
  };
  auto* translation = static_cast<WORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation[0], 0x0411);  // Japanese
  EXPECT_EQ(translation[1], 1200);    // Unicode
  for (auto [name, expected] : {std::pair{L"FileVersion", "0.9.7.0"}, {L"ProductVersion", "0.9.7.0"},
                                {L"ProductName", "NOLB"}, {L"OriginalFilename", "NOLBPanel.exe"}}) {
    auto* value = static_cast<const wchar_t*>(query(std::wstring(L"\\StringFileInfo\\041104B0\\") + name));
    EXPECT_EQ(value ? e2e::Utf8(value) : "(none)", expected) << e2e::Utf8(name);
  }
  auto* fixed = static_cast<VS_FIXEDFILEINFO*>(query(L"\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(9, 0));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 7));
}

TEST(Release, TheFirstIconHasFiveSizesAndTheTitleBarsShowIt) {
  // An icon group: 6 bytes of header, then 14 bytes an image, its width first (0 = 256).
  std::string group = FirstResource(RT_GROUP_ICON);
  std::set<int> widths;
  for (size_t at = 6; at + 14 <= group.size(); at += 14) {
    int width = static_cast<BYTE>(group[at]);
    widths.insert(width == 0 ? 256 : width);
  }
  EXPECT_EQ(widths, (std::set<int>{16, 24, 32, 48, 256}));

  // The title bars show the small icon. (Wine answers no WM_GETICON from
  // another process, so the large one, Alt+Tab's, cannot be read here.)
  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  EXPECT_TRUE(e2e::Eventually([&] { return IconPixelsInTitleBar(main) >= 8; }, "the main window's title bar shows the icon"));
  panel.Menu('O', 'H');
  e2e::Window dialog = panel.Control("ButtonClose").Parent();
  EXPECT_TRUE(e2e::Eventually([&] { return dialog.Visible() && IconPixelsInTitleBar(dialog) >= 8; },
                              "the hotkey dialog's title bar shows the icon"));
}

TEST(Release, TheManifestRunsAsInvokerOnWindows7To11WithCommonControls6) {
  std::string manifest = FirstResource(RT_MANIFEST);
  std::smatch level;
  ASSERT_TRUE(std::regex_search(manifest, level, std::regex(R"re(<requestedExecutionLevel\s+level="(\w+)")re")));
  EXPECT_EQ(level[1], "asInvoker");
  std::set<std::string> systems;
  std::regex supported(R"re(<supportedOS\s+Id="([^"]*)")re");
  for (std::sregex_iterator it(manifest.begin(), manifest.end(), supported), end; it != end; ++it) systems.insert((*it)[1]);
  EXPECT_EQ(systems, (std::set<std::string>{"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // Windows 7
                                            "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // Windows 8
                                            "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // Windows 8.1
                                            "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}));  // Windows 10, 11
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos) << "DPI awareness stays undeclared";
}

}  // namespace
