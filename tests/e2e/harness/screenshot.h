// Pictures of the screen, for looking at what a test saw.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace e2e {

// A copy of part of the screen: 24-bit rows, bottom up, as BMP files store them.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::string bits;

  size_t Stride() const { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }
  // x, y from the top-left corner of the copied area.
  COLORREF Pixel(int x, int y) const;
};

// Copies an area of the screen (screen coordinates); throws on failure. The
// X server's picture never holds the mouse cursor: a cursor given is drawn
// in, its hot spot at the pointer. (Another process's cursor cannot be read
// under Wine, so the caller names the one that program shows.)
ScreenImage CaptureScreen(const RECT& area, HCURSOR cursor = nullptr);

// Saves the whole screen (every monitor), or an area of it, as a 24-bit BMP file; throws on failure.
void SaveScreenshot(const std::filesystem::path& file);
void SaveScreenshot(const std::filesystem::path& file, const RECT& area, HCURSOR cursor = nullptr);

// From now on, the first failure of each test saves the screen as
// build/win32/e2e-screenshots/<Suite>.<Test>.bmp. Panel::Start calls it.
void SaveScreenshotsOfFailures();

}  // namespace e2e
