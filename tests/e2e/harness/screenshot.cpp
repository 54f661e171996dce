#include "harness/screenshot.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "harness/error.h"
#include "harness/process.h"
#include "harness/temp_folder.h"
#include "harness/text.h"

namespace e2e {

namespace {

class FailureScreenshots : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { taken_ = false; }

  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || taken_) return;
    taken_ = true;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!test) return;
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    auto file = BinDir().parent_path() / L"e2e-screenshots" / (Wide(name) + L".bmp");
    try {
      std::filesystem::create_directories(file.parent_path());
      SaveScreenshot(file);
      std::printf("[ screenshot of the failure: %s ]\n", Utf8(file.wstring()).c_str());
    } catch (const std::exception& error) {
      std::printf("[ no screenshot of the failure: %s ]\n", error.what());
    }
  }

  bool taken_ = false;
};

// Draws the cursor with its hot spot at the pointer; says what failed, or
// nothing.
std::string DrawCursor(HDC dc, const RECT& area, HCURSOR cursor) {
  POINT at{};
  if (!GetCursorPos(&at)) return "GetCursorPos failed";
  ICONINFO icon{};
  if (!GetIconInfo(cursor, &icon)) return "GetIconInfo of the cursor failed";
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  int x = at.x - area.left - static_cast<int>(icon.xHotspot);
  int y = at.y - area.top - static_cast<int>(icon.yHotspot);
  if (!DrawIconEx(dc, x, y, cursor, 0, 0, 0, nullptr, DI_NORMAL)) return "DrawIconEx of the cursor failed";
  return {};
}

}  // namespace

COLORREF ScreenImage::Pixel(int x, int y) const {
  size_t at = static_cast<size_t>(height - 1 - y) * Stride() + static_cast<size_t>(x) * 3;
  auto byte = [&](size_t i) { return static_cast<BYTE>(bits[at + i]); };
  return RGB(byte(2), byte(1), byte(0));
}

ScreenImage CaptureScreen(const RECT& area, HCURSOR cursor) {
  ScreenImage image{.width = area.right - area.left, .height = area.bottom - area.top, .bits = {}};
  if (image.width <= 0 || image.height <= 0) throw HarnessError("an empty area of the screen");
  HDC screen = GetDC(nullptr);
  if (!screen) ThrowLastError("GetDC of the screen");
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = image.height;  // bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  std::string cursorFailure;
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top,
                    SRCCOPY) != FALSE;
    if (copied && cursor) cursorFailure = DrawCursor(memory, area, cursor);
    SelectObject(memory, old);
  }
  if (copied) {
    GdiFlush();
    image.bits.assign(static_cast<const char*>(bits), image.Stride() * image.height);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) throw HarnessError("cannot copy the screen");
  if (!cursorFailure.empty()) throw HarnessError(cursorFailure);
  return image;
}

void SaveScreenshot(const std::filesystem::path& file, const RECT& area, HCURSOR cursor) {
  ScreenImage image = CaptureScreen(area, cursor);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = image.width;
  info.biHeight = image.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = static_cast<DWORD>(header.bfOffBits + image.bits.size());
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  bytes += image.bits;
  WriteFile(file, bytes);
}

void SaveScreenshot(const std::filesystem::path& file) {
  // Every monitor.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  SaveScreenshot(file, RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

void SaveScreenshotsOfFailures() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  // gtest owns and deletes the listener.
  ::testing::UnitTest::GetInstance()->listeners().Append(new FailureScreenshots);
}

}  // namespace e2e
