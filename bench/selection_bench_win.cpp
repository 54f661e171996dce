// selection_bench.exe [--moves N]: what one mouse move costs the on-screen
// selection, drawing included: the selection's own step, the outline, the
// readout and the magnifier drawn again where they changed in the window's
// off-screen copy, and those areas shown on the window. The selection's own
// code (target/) on a window of each screen size, the cursor circling over
// it; wall clock and CPU time of the drawing thread per move.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "bench/bench_support_win.h"
#include "target/screen_selection.h"
#include "target/selection_view_win.h"
#include "ui/memory_bitmap_win.h"

namespace {

constexpr wchar_t kClass[] = L"NolbSelectionBench";
constexpr SIZE kScreens[] = {{1280, 1024}, {3840, 2160}};

double WallMs() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A picture with detail everywhere, as a desktop has.
void PaintPicture(ui::MemoryBitmap& picture) {
  auto pixels = picture.Pixels();
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      pixels[static_cast<size_t>(y) * picture.Width() + x] =
          static_cast<std::uint32_t>((x * 7) & 0xFF) << 16 | static_cast<std::uint32_t>((y * 5) & 0xFF) << 8 |
          static_cast<std::uint32_t>((x ^ y) & 0xFF);
    }
  }
}

// The cursor on a circle of a third of the screen's height around its
// middle, a little further at each move.
nolb::Point OnCircle(SIZE screen, int move) {
  const double angle = move * 0.01;
  return {static_cast<std::int32_t>(screen.cx / 2 + std::cos(angle) * screen.cy / 3),
          static_cast<std::int32_t>(screen.cy / 2 + std::sin(angle) * screen.cy / 3)};
}

// 100 overlapping top-level windows over the screen, each with three
// controls: what snapping looks through at every move.
nolb::WindowSnapshot ManyWindows(SIZE screen) {
  nolb::WindowSnapshot windows;
  for (int i = 0; i < 100; ++i) {
    const nolb::WindowRect frame{(i * 97) % (screen.cx - 400), (i * 61) % (screen.cy - 300), 400, 300};
    nolb::SnapWindow w{.frame = frame, .client = {frame.left + 4, frame.top + 24, 392, 272}};
    for (int c = 0; c < 3; ++c) {
      const nolb::WindowRect control{frame.left + 10 + 120 * c, frame.top + 40, 100, 30};
      w.children.push_back({.frame = control, .client = control});
    }
    windows.push_back(w);
  }
  return windows;
}

struct Figures {
  double wallMs;
  double cpuMs;
};

Figures MeasureMoves(SIZE screen, int moves, bool magnifier, const std::function<void(nolb::ScreenSelection&)>& begin) {
  const ui::GdiObject<HFONT> font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                              DEFAULT_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック"));
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, screen.cx, screen.cy,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("no window");
  ui::MemoryBitmap picture(screen.cx, screen.cy);
  PaintPicture(picture);
  nolb::SelectionView view(window, {0, 0, screen.cx, screen.cy});
  view.Prepare(picture, {0, 0}, font.Get());
  nolb::ScreenSelection selection;
  begin(selection);
  auto move = [&](int i) {
    selection.Move(OnCircle(screen, i));
    view.Show(nolb::DecorationsOf(selection, view, magnifier));
  };
  for (int i = 0; i < 20; ++i) move(i);
  GdiFlush();
  const double wall = WallMs();
  const double cpu = bench::ThreadCpuMs(GetCurrentThread());
  for (int i = 20; i < 20 + moves; ++i) move(i);
  // Done once the display has drawn it all: reading a pixel of the window
  // waits for that (under Wine a round trip to the X server).
  GdiFlush();
  {
    const ui::WindowDc dc(window);
    GetPixel(dc.Get(), screen.cx / 2, screen.cy / 2);
  }
  const Figures figures{(WallMs() - wall) / moves, (bench::ThreadCpuMs(GetCurrentThread()) - cpu) / moves};
  view.Release();
  DestroyWindow(window);
  return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  return bench::RunWithCount(argc, argv, "selection_bench.exe", L"--moves", 2000, 100000, [](int moves) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN), screenHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::wprintf(L"one mouse move of the selection, drawing included: %d moves each, ms per move\n", moves);
    std::wprintf(L"(the screen here is %d x %d; a larger window is drawn only where it shows)\n\n", screenWidth,
                 screenHeight);
    std::wprintf(L"%-44ls", L"");
    for (SIZE s : kScreens) std::wprintf(L"  %4ld x %-4ld wall    cpu", s.cx, s.cy);
    std::wprintf(L"\n");
    struct Case {
      const wchar_t* name;
      bool magnifier;
      std::function<void(nolb::ScreenSelection&, SIZE)> begin;
    };
    const Case cases[] = {
        {L"range being dragged, readout and magnifier", true,
         [](nolb::ScreenSelection& s, SIZE screen) {
           s.Begin(nolb::SelectMode::kRange, 0, 0, {screen.cx / 8, screen.cy / 8});
           s.Press(nolb::MouseButton::kLeft, {screen.cx / 8, screen.cy / 8});
         }},
        {L"range being dragged, readout only", false,
         [](nolb::ScreenSelection& s, SIZE screen) {
           s.Begin(nolb::SelectMode::kRange, 0, 0, {screen.cx / 8, screen.cy / 8});
           s.Press(nolb::MouseButton::kLeft, {screen.cx / 8, screen.cy / 8});
         }},
        {L"placing 1280 x 720, readout and magnifier", true,
         [](nolb::ScreenSelection& s, SIZE) { s.Begin(nolb::SelectMode::kPosition, 1280, 720, {0, 0}); }},
        {L"Ctrl held over 400 windows and controls", true,
         [](nolb::ScreenSelection& s, SIZE screen) {
           s.Begin(nolb::SelectMode::kRange, 0, 0, {0, 0}, ManyWindows(screen));
           s.SetSnapping(true);
         }},
    };
    for (const Case& c : cases) {
      std::wprintf(L"%-44ls", c.name);
      for (SIZE s : kScreens) {
        const Figures f = MeasureMoves(s, moves, c.magnifier, [&](nolb::ScreenSelection& sel) { c.begin(sel, s); });
        std::wprintf(L"  %13.3f %6.3f", f.wallMs, f.cpuMs);
      }
      std::wprintf(L"\n");
    }
    return 0;
  });
}
