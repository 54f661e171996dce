// Pictures of the screen, for looking at what a test saw.
#pragma once

#include <filesystem>

namespace e2e {

// Saves the whole screen as a 24-bit BMP file; throws on failure.
void SaveScreenshot(const std::filesystem::path& file);

// From now on, the first failure of each test saves the screen as
// build/win32/e2e-screenshots/<Suite>.<Test>.bmp. Panel::Start calls it.
void SaveScreenshotsOfFailures();

}  // namespace e2e
