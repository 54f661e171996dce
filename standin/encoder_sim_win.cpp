// encoder_sim.exe: stands in for the media encoder that NOLB.DLL works
// inside. It attaches itself to the library (so NOLB_IsHooked reports the
// hook as working), pulls frames through NOLB_BitBlt like an encoder that
// captures the screen, and reports the frame rate and the time per frame.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "standin/standin_library_win.h"
#include "ui/memory_bitmap_win.h"

namespace {

constexpr wchar_t kUsage[] =
    L"Usage: encoder_sim.exe [options]\n"
    L"\n"
    L"Attaches to NOLB.DLL (from this program's folder) as the encoder, so the\n"
    L"library reports itself hooked, and pulls frames through NOLB_BitBlt into a\n"
    L"memory bitmap. Prints frames per second and processing time once a second.\n"
    L"Detaches on exit, also on Ctrl+C.\n"
    L"\n"
    L"  --width N      frame width in pixels (default 640)\n"
    L"  --height N     frame height in pixels (default 480)\n"
    L"  --fps N        frames per second, 1-1000 (default 30)\n"
    L"  --frames N     stop after N frames (default: no limit)\n"
    L"  --seconds N    stop after N seconds (default: no limit)\n"
    L"  --save PATH    save the first frame as a 32-bit BMP file\n"
    L"  --help         show this text\n"
    L"\n"
    L"Without --frames and --seconds it runs until it is ended.\n";

struct Options {
  int width = 640;
  int height = 480;
  int fps = 30;
  long long frames = 0;   // 0 = no limit
  long long seconds = 0;  // 0 = no limit
  std::wstring savePath;
};

std::atomic<bool> gStop{false};

BOOL WINAPI OnConsoleControl(DWORD) {
  gStop = true;
  return TRUE;
}

std::optional<long long> WholeNumber(const wchar_t* text, long long low, long long high) {
  if (!text || !*text) return std::nullopt;
  wchar_t* end = nullptr;
  errno = 0;
  const long long value = std::wcstoll(text, &end, 10);
  if (errno != 0 || *end != L'\0' || value < low || value > high) return std::nullopt;
  return value;
}

// Returns the options, or nothing after printing why (or the help).
std::optional<Options> ParseOptions(int argc, wchar_t** argv, int& exitCode) {
  Options options;
  exitCode = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (name == L"--help" || name == L"-h" || name == L"/?") {
      std::fputws(kUsage, stdout);
      return std::nullopt;
    }
    const wchar_t* value = i + 1 < argc ? argv[i + 1] : nullptr;
    std::optional<long long> number;
    if (name == L"--save" && value) {
      options.savePath = value;
      ++i;
      continue;
    } else if (name == L"--width" && (number = WholeNumber(value, 1, 16384))) {
      options.width = static_cast<int>(*number);
    } else if (name == L"--height" && (number = WholeNumber(value, 1, 16384))) {
      options.height = static_cast<int>(*number);
    } else if (name == L"--fps" && (number = WholeNumber(value, 1, 1000))) {
      options.fps = static_cast<int>(*number);
    } else if (name == L"--frames" && (number = WholeNumber(value, 1, 1LL << 40))) {
      options.frames = *number;
    } else if (name == L"--seconds" && (number = WholeNumber(value, 1, 1LL << 30))) {
      options.seconds = *number;
    } else {
      std::fwprintf(stderr, L"encoder_sim: bad option or value: %ls\n\n%ls", name.c_str(), kUsage);
      exitCode = 2;
      return std::nullopt;
    }
    ++i;
  }
  return options;
}

// Saves a frame as a 32-bit top-down BMP file.
bool SaveBmp(const ui::MemoryBitmap& frame, const std::wstring& path) {
  GdiFlush();
  const auto pixels = frame.Pixels();
  const DWORD imageSize = static_cast<DWORD>(pixels.size_bytes());
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = frame.Width();
  header.biHeight = -frame.Height();
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  header.biSizeImage = imageSize;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(pixels.data()), imageSize);
  return static_cast<bool>(out);
}

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceFrequency(&frequency_); }
  double Now() const {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
};

// Sleep(1) sleeps about 1 ms while this is held, for even frame pacing.
class FineTimerResolution {
 public:
  FineTimerResolution() { timeBeginPeriod(1); }
  ~FineTimerResolution() { timeEndPeriod(1); }
  FineTimerResolution(const FineTimerResolution&) = delete;
  FineTimerResolution& operator=(const FineTimerResolution&) = delete;
};

// Holds the library's attachment and preview drawing for the run.
class Attachment {
 public:
  explicit Attachment(nolb::standin::StandinLibrary& library) : library_(library) {
    library_.NOLBSim_Attach();
    library_.NOLB_BitBltInit();
  }
  ~Attachment() {
    library_.NOLB_BitBltUninit();
    library_.NOLBSim_Detach();
  }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;

 private:
  nolb::standin::StandinLibrary& library_;
};

int Run(const Options& options) {
  nolb::standin::StandinLibrary library;
  ui::MemoryBitmap frame(options.width, options.height);  // the encoder's frame
  const FineTimerResolution resolution;
  Attachment attachment(library);
  std::wprintf(L"attached to NOLB.DLL as process %lu; %dx%d at %d frames/s\n",
               GetCurrentProcessId(), options.width, options.height, options.fps);
  std::fflush(stdout);

  const Stopwatch clock;
  const double period = 1.0 / options.fps;
  const double start = clock.Now();
  double nextFrame = start;
  double reportStart = start;
  long long framesTotal = 0;
  long long framesInReport = 0;
  double busyInReport = 0;

  while (!gStop) {
    if (options.frames && framesTotal >= options.frames) break;
    if (options.seconds && clock.Now() - start >= options.seconds) break;

    const double before = clock.Now();
    library.NOLB_BitBlt(frame.Dc(), 0, 0, options.width, options.height, nullptr, 0, 0, SRCCOPY);
    const double after = clock.Now();
    ++framesTotal;
    ++framesInReport;
    busyInReport += after - before;

    if (framesTotal == 1 && !options.savePath.empty()) {
      if (SaveBmp(frame, options.savePath)) {
        std::wprintf(L"saved the first frame to %ls\n", options.savePath.c_str());
      } else {
        std::fwprintf(stderr, L"encoder_sim: could not write %ls\n", options.savePath.c_str());
      }
    }
    if (after - reportStart >= 1.0) {
      double libraryStatus = 0;
      library.NOLB_GetStatus(&libraryStatus);
      std::wprintf(L"%.1f frames/s, %.2f ms/frame processing (library reports %.2f ms)\n",
                   framesInReport / (after - reportStart), 1000.0 * busyInReport / framesInReport,
                   1000.0 * libraryStatus);
      std::fflush(stdout);
      reportStart = after;
      framesInReport = 0;
      busyInReport = 0;
    }

    // A frame that took longer than the period merges the missed ones.
    nextFrame += period;
    const double now = clock.Now();
    if (nextFrame < now) nextFrame = now;
    const double wait = nextFrame - now;
    if (wait > 0) Sleep(static_cast<DWORD>(wait * 1000.0));
  }
  const double elapsed = clock.Now() - start;
  std::wprintf(L"%lld frames in %.2f s (%.1f frames/s); detached\n", framesTotal, elapsed,
               elapsed > 0 ? framesTotal / elapsed : 0.0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int exitCode = 0;
  const std::optional<Options> options = ParseOptions(argc, argv, exitCode);
  if (!options) return exitCode;
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  try {
    return Run(*options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "encoder_sim: %s\n", error.what());
    return 1;
  }
}
