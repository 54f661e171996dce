// What a user sees of the built program outside its windows' contents: the
// version resource and the icons (Explorer's properties, the title bars) and
// the manifest Windows reads before it starts the program.
#include <windows.h>

#include <set>
#include <string>

#include "harness/e2e.h"

namespace {

std::filesystem::path PanelExe() { return e2e::BinDir() / L"NOLBPanel.exe"; }

// The executable loaded for its resources only.
struct ResourceModule {
  HMODULE module = LoadLibraryExW(PanelExe().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ~ResourceModule() { if (module) FreeLibrary(module); }

  std::string Bytes(const wchar_t* type, const wchar_t* name) const {
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
  }
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
  *reinterpret_cast<LPCWSTR*>(first) = name;
  return FALSE;
}

// The value of attribute in the first element named element.
std::string Attribute(const std::string& xml, const std::string& element, const std::string& attribute) {
  size_t at = xml.find("<" + element);
  if (at == std::string::npos) return {};
  at = xml.find(attribute + "=\"", at);
  if (at == std::string::npos) return {};
  at += attribute.size() + 2;
  return xml.substr(at, xml.find('"', at) - at);
}

// Pixels of the program's icon's orange brackets in the top-left corner of a
// window, where the title bar shows its small icon.
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
  std::wstring exe = PanelExe().wstring();
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
  ASSERT_GT(size, 0u) << "no version resource";
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));
  auto query = [&](const std::wstring& path) -> std::pair<void*, UINT> {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length)) return {nullptr, 0};
    return {value, length};
  };
  auto [translation, translationSize] = query(L"\\VarFileInfo\\Translation");
  ASSERT_EQ(translationSize, 4u);
  EXPECT_EQ(static_cast<WORD*>(translation)[0], 0x0411);  // Japanese
  EXPECT_EQ(static_cast<WORD*>(translation)[1], 1200);    // Unicode
  auto text = [&](const wchar_t* name) {
    auto [value, length] = query(std::wstring(L"\\StringFileInfo\\041104B0\\") + name);
    return value ? e2e::Utf8(static_cast<const wchar_t*>(value)) : std::string("(none)");
  };
  EXPECT_EQ(text(L"FileVersion"), "0.9.7.0");
  EXPECT_EQ(text(L"ProductVersion"), "0.9.7.0");
  EXPECT_EQ(text(L"ProductName"), "NOLB");
  EXPECT_EQ(text(L"OriginalFilename"), "NOLBPanel.exe");
  EXPECT_EQ(text(L"FileDescription"), "NOLB 設定パネル (画面取り込みの差し替え)");
  auto* fixed = static_cast<VS_FIXEDFILEINFO*>(query(L"\\").first);
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(9, 0));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 7));
}

TEST(Release, TheFirstIconHasFiveSizesAndTheTitleBarsShowIt) {
  ResourceModule resources;
  ASSERT_NE(resources.module, nullptr);
  LPCWSTR first = nullptr;
  EnumResourceNamesW(resources.module, RT_GROUP_ICON, &TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
  ASSERT_NE(first, nullptr) << "no icon";
  std::string group = resources.Bytes(RT_GROUP_ICON, first);
  ASSERT_GE(group.size(), 6u);
  // An icon group: 6 bytes of header, then 14 bytes an image, the width first (0 = 256).
  std::set<int> widths;
  for (size_t at = 6; at + 14 <= group.size(); at += 14) {
    int width = static_cast<BYTE>(group[at]);
    widths.insert(width == 0 ? 256 : width);
  }
  EXPECT_EQ(widths, (std::set<int>{16, 24, 32, 48, 256}));

  auto panel = e2e::Panel::Start();
  e2e::Window main = panel.MainWindow();
  // The title bars show the small icon. (Wine answers no WM_GETICON from
  // another process, so the large one, Alt+Tab's, cannot be read here.)
  EXPECT_TRUE(e2e::Eventually([&] { return IconPixelsInTitleBar(main) >= 8; }, "the main window's title bar shows the icon"));
  panel.Menu('O', 'H');
  e2e::Window dialog = panel.Control("ButtonClose").Parent();
  EXPECT_TRUE(e2e::Eventually([&] { return dialog.Visible() && IconPixelsInTitleBar(dialog) >= 8; },
                              "the hotkey dialog's title bar shows the icon"));
}

TEST(Release, TheManifestRunsAsInvokerOnWindows7To11WithCommonControls6) {
  ResourceModule resources;
  ASSERT_NE(resources.module, nullptr);
  std::string manifest = resources.Bytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty()) << "no manifest";
  EXPECT_EQ(Attribute(manifest, "requestedExecutionLevel", "level"), "asInvoker");
  std::set<std::string> systems;
  for (size_t at = 0; (at = manifest.find("<supportedOS", at)) != std::string::npos; ++at) {
    systems.insert(Attribute(manifest.substr(at), "supportedOS", "Id"));
  }
  EXPECT_EQ(systems, (std::set<std::string>{
                         "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
                     }));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos) << "DPI awareness stays undeclared";
}

}  // namespace
