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

}  // namespace

void SaveScreenshot(const std::filesystem::path& file) {
  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  if (!screen) ThrowLastError("GetDC of the screen");
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, old);
  }
  size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::string bytes;
  if (copied) {
    GdiFlush();
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = static_cast<DWORD>(header.bfOffBits + stride * height);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), stride * height);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) throw HarnessError("cannot copy the screen");
  WriteFile(file, bytes);
}

void SaveScreenshotsOfFailures() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  // gtest owns and deletes the listener.
  ::testing::UnitTest::GetInstance()->listeners().Append(new FailureScreenshots);
}

}  // namespace e2e
