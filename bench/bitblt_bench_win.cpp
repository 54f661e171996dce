// bitblt_bench.exe [--frames N]: how fast NOLB_BitBlt draws a 1280 x 720
// rectangle of the desktop into a 640 x 480 memory bitmap, beside a plain
// GDI StretchBlt of the same rectangle from the screen DC, in one run.
// Frames are drawn back to back; the figures are frames per second (wall
// clock) and CPU milliseconds per frame of the drawing thread and of the
// whole process.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>

#include "bench/bench_support_win.h"
#include "standin/standin_library_win.h"

namespace {

constexpr int kSourceWidth = 1280;
constexpr int kSourceHeight = 720;
constexpr int kDestinationWidth = 640;
constexpr int kDestinationHeight = 480;
constexpr int kWarmUpFrames = 10;

double ThreadCpuSeconds() { return bench::ThreadCpuMs(GetCurrentThread()) / 1000; }

double ProcessCpuSeconds() { return bench::ProcessCpuMs(GetCurrentProcess()) / 1000; }

double WallSeconds() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Measure(const wchar_t* name, int frames, const std::function<void()>& drawFrame) {
  for (int i = 0; i < kWarmUpFrames; ++i) drawFrame();
  GdiFlush();
  const double wall = WallSeconds();
  const double thread = ThreadCpuSeconds();
  const double process = ProcessCpuSeconds();
  for (int i = 0; i < frames; ++i) drawFrame();
  GdiFlush();
  const double wallTaken = WallSeconds() - wall;
  const double threadTaken = ThreadCpuSeconds() - thread;
  const double processTaken = ProcessCpuSeconds() - process;
  std::wprintf(L"%-34ls %9.1f %14.2f %15.2f\n", name, frames / wallTaken,
               1000.0 * threadTaken / frames, 1000.0 * processTaken / frames);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int frames = 300;
  if (argc == 3 && std::wstring(argv[1]) == L"--frames") frames = _wtoi(argv[2]);
  if (argc != 1 && argc != 3) frames = 0;
  if (frames <= 0) {
    std::fputws(L"usage: bitblt_bench.exe [--frames N]   (N > 0, default 300)\n", stderr);
    return 2;
  }
  try {
    nolb::standin::StandinLibrary library;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kDestinationWidth;
    info.bmiHeader.biHeight = kDestinationHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const ui::MemoryDc dc(CreateCompatibleDC(nullptr));
    const ui::GdiObject<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap) throw std::runtime_error("the destination bitmap could not be created");
    const ui::SelectedObject selected(dc.Get(), bitmap.Get());
    const ui::WindowDc screen(nullptr);

    const auto target = [&](int rotation) {
      // Stretched to fill (no kept aspect), shrinking allowed, no cursor.
      library.NOLB_Lock();
      library.NOLB_SetMode(0, 1, 0, 0, 0, rotation);
      library.NOLB_SetTarget(GetDesktopWindow(), 0, 0, kSourceWidth, kSourceHeight);
      library.NOLB_Enabled(1);
      library.NOLB_Unlock();
    };
    const auto libraryFrame = [&] {
      library.NOLB_BitBlt(dc.Get(), 0, 0, kDestinationWidth, kDestinationHeight, nullptr, 0, 0,
                          SRCCOPY);
    };

    std::wprintf(L"%d frames of the desktop's %dx%d rectangle into %dx%d\n\n", frames,
                 kSourceWidth, kSourceHeight, kDestinationWidth, kDestinationHeight);
    std::wprintf(L"%-34ls %9ls %14ls %15ls\n", L"", L"frames/s", L"thread CPU ms", L"process CPU ms");
    library.NOLB_BitBltInit();
    target(0);
    Measure(L"NOLB_BitBlt", frames, libraryFrame);
    double status = 0;
    library.NOLB_GetStatus(&status);
    target(1);
    Measure(L"NOLB_BitBlt, rotation 1 (90 deg)", frames, libraryFrame);
    library.NOLB_BitBltUninit();

    SetStretchBltMode(dc.Get(), COLORONCOLOR);
    Measure(L"StretchBlt from the screen DC", frames, [&] {
      StretchBlt(dc.Get(), 0, 0, kDestinationWidth, kDestinationHeight, screen.Get(), 0, 0,
                 kSourceWidth, kSourceHeight, SRCCOPY);
    });
    std::wprintf(L"\nlast NOLB_BitBlt frame as NOLB_GetStatus reports it: %.2f ms\n",
                 1000.0 * status);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bitblt_bench: %s\n", error.what());
    return 1;
  }
}
