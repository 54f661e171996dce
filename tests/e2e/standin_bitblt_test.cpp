// NOLB_BitBlt draws the target's rectangle from the screen: a window of the
// test, painted in known colours, is the target.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "standin/e2e_support_win.h"
#include "ui/memory_bitmap_win.h"

namespace nolb::standin {
namespace {

constexpr COLORREF kRed = RGB(220, 30, 40);
constexpr COLORREF kBlue = RGB(20, 60, 230);
constexpr COLORREF kGreen = RGB(30, 200, 70);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A borderless topmost window: its left half in one colour, its right half
// in another.
class TwoColourWindow {
 public:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 100;

  TwoColourWindow(COLORREF left, COLORREF right) : left_(left), right_(right) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TwoColourWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&windowClass);  // a second registration fails harmlessly
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 120, 140,
                              kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
  }
  ~TwoColourWindow() { DestroyWindow(window_); }
  TwoColourWindow(const TwoColourWindow&) = delete;
  TwoColourWindow& operator=(const TwoColourWindow&) = delete;

  HWND Handle() const { return window_; }

  // The cursor shape is the one of the foreground window's thread: make the
  // test's thread that one.
  void Activate() const { SetForegroundWindow(window_); }

 private:
  static constexpr wchar_t kClassName[] = L"StandinTwoColourWindow";

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == WM_SETCURSOR) {
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    }
    if (message == WM_PAINT) {
      const auto* self = reinterpret_cast<TwoColourWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Fill(dc, {0, 0, kWidth / 2, kHeight}, self->left_);
      Fill(dc, {kWidth / 2, 0, kWidth, kHeight}, self->right_);
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  static void Fill(HDC dc, RECT area, COLORREF colour) {
    const ui::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.Get());
  }

  COLORREF left_;
  COLORREF right_;
  HWND window_ = nullptr;
};

// A 32-bit memory bitmap to draw into, whose pixels the test reads.
class Destination : public ui::MemoryBitmap {
 public:
  Destination(int width, int height) : MemoryBitmap(width, height) {
    // Anything the library leaves undrawn stays white.
    Fill(0x00FFFFFF);
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const std::uint32_t pixel = Pixels()[static_cast<std::size_t>(y) * Width() + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
};

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  return text;
}

class StandinBitBlt : public ::testing::Test {
 protected:
  void SetUp() override { library_.NOLB_BitBltInit(); }
  void TearDown() override { library_.NOLB_BitBltUninit(); }

  // keep aspect, shrink, zoom on; no cursor or layered windows
  void Target(HWND window, int x, int y, int width, int height, int rotation,
              int keepAspect = 1, int zoom = 1) {
    library_.NOLB_Lock();
    library_.NOLB_SetMode(keepAspect, 1, zoom, 0, 0, rotation);
    library_.NOLB_SetTarget(window, x, y, width, height);
    library_.NOLB_Enabled(1);
    library_.NOLB_Unlock();
  }

  // Draws frames until the expected colours show (the window may need a
  // moment to reach the screen); the failure message names what was seen.
  ::testing::AssertionResult DrawsColours(
      const Destination& destination, int width, int height,
      std::initializer_list<std::tuple<int, int, COLORREF>> expected) {
    std::string seen;
    const bool shown = PollUntil([&] {
      library_.NOLB_BitBlt(destination.Dc(), 0, 0, width, height, nullptr, 0, 0, SRCCOPY);
      seen.clear();
      bool all = true;
      for (const auto& [x, y, colour] : expected) {
        const COLORREF actual = destination.At(x, y);
        seen += " (" + std::to_string(x) + "," + std::to_string(y) + ")=" + Hex(actual) +
                " want " + Hex(colour);
        all = all && actual == colour;
      }
      return all;
    });
    if (shown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "last frame:" << seen;
  }

  StandinLibrary library_;
};

TEST_F(StandinBitBlt, AWindowPaintedInOneColourComesOutInThatColour) {
  const TwoColourWindow window(kGreen, kGreen);
  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 0);
  Destination destination(200, 100);
  EXPECT_TRUE(DrawsColours(destination, 200, 100,
                           {{2, 2, kGreen}, {100, 50, kGreen}, {197, 97, kGreen}}));

  // The frame time replaces a status set by a test.
  library_.NOLBTest_SetStatus(123.0);
  library_.NOLB_BitBlt(destination.Dc(), 0, 0, 200, 100, nullptr, 0, 0, SRCCOPY);
  double seconds = 0;
  library_.NOLB_GetStatus(&seconds);
  EXPECT_GE(seconds, 0.0);
  EXPECT_LT(seconds, 123.0);
}

TEST_F(StandinBitBlt, RotationTurnsThePictureClockwise) {
  const TwoColourWindow window(kRed, kBlue);
  Destination upright(200, 100);
  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 0);
  EXPECT_TRUE(DrawsColours(upright, 200, 100, {{40, 50, kRed}, {160, 50, kBlue}}));

  // A quarter turn clockwise: the left half goes to the top.
  Destination turned(100, 200);
  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 1);
  EXPECT_TRUE(DrawsColours(turned, 100, 200, {{50, 40, kRed}, {50, 160, kBlue}}));

  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 3);
  EXPECT_TRUE(DrawsColours(turned, 100, 200, {{50, 40, kBlue}, {50, 160, kRed}}));

  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 2);
  EXPECT_TRUE(DrawsColours(upright, 200, 100, {{40, 50, kBlue}, {160, 50, kRed}}));
}

TEST_F(StandinBitBlt, ScreenCoordinatesWithTheDesktopAndBarsAroundAKeptAspect) {
  const TwoColourWindow window(kRed, kBlue);
  RECT placed{};
  GetWindowRect(window.Handle(), &placed);
  // The window's right half, by screen coordinates, centred at 1:1 with
  // black around it (zoom off).
  Target(GetDesktopWindow(), placed.left + 100, placed.top, 100, 100, 0, 1, 0);
  Destination destination(300, 200);
  EXPECT_TRUE(DrawsColours(destination, 300, 200,
                           {{10, 10, kBlack}, {150, 100, kBlue}, {110, 60, kBlue},
                            {90, 100, kBlack}, {150, 160, kBlack}}));

  // With zoom the same square fills the height.
  Target(GetDesktopWindow(), placed.left + 100, placed.top, 100, 100, 0, 1, 1);
  EXPECT_TRUE(DrawsColours(destination, 300, 200,
                           {{10, 100, kBlack}, {60, 100, kBlue}, {240, 100, kBlue},
                            {290, 100, kBlack}, {150, 5, kBlue}}));
}

// Counts the pixels of the square (x, y, size, size) that are not `colour`.
int PixelsOtherThan(const Destination& destination, COLORREF colour, int x, int y, int size) {
  int count = 0;
  for (int row = y; row < y + size; ++row) {
    for (int column = x; column < x + size; ++column) {
      count += destination.At(column, row) != colour ? 1 : 0;
    }
  }
  return count;
}

TEST_F(StandinBitBlt, TheCursorIsDrawnWhereItIsOnlyWhenAsked) {
  const TwoColourWindow window(kGreen, kGreen);
  RECT placed{};
  GetWindowRect(window.Handle(), &placed);
  // The arrow's hot spot (its tip) at (60, 40) of the window.
  window.Activate();
  ASSERT_TRUE(SetCursorPos(placed.left + 60, placed.top + 40));
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  Destination destination(200, 100);
  Target(window.Handle(), 0, 0, TwoColourWindow::kWidth, TwoColourWindow::kHeight, 0);
  ASSERT_TRUE(DrawsColours(destination, 200, 100, {{60, 40, kGreen}, {150, 80, kGreen}}));
  EXPECT_EQ(PixelsOtherThan(destination, kGreen, 60, 40, 12), 0);

  library_.NOLB_SetMode(1, 1, 1, 1, 0, 0);
  ASSERT_TRUE(PollUntil([&] {
    library_.NOLB_BitBlt(destination.Dc(), 0, 0, 200, 100, nullptr, 0, 0, SRCCOPY);
    return PixelsOtherThan(destination, kGreen, 60, 40, 12) > 10;
  })) << "no cursor below and right of its hot spot";
  EXPECT_EQ(PixelsOtherThan(destination, kGreen, 40, 20, 18), 0)
      << "cursor above or left of its place";
  EXPECT_EQ(PixelsOtherThan(destination, kGreen, 120, 40, 40), 0);
}

TEST_F(StandinBitBlt, ATargetWindowThatIsGoneGivesBlackAndFailure) {
  HWND gone = nullptr;
  {
    const TwoColourWindow window(kGreen, kGreen);
    gone = window.Handle();
  }
  Target(gone, 0, 0, 50, 50, 0);
  Destination destination(40, 30);
  EXPECT_EQ(library_.NOLB_BitBlt(destination.Dc(), 0, 0, 40, 30, nullptr, 0, 0, SRCCOPY), FALSE);
  EXPECT_EQ(destination.At(20, 15), kBlack);
  EXPECT_EQ(library_.NOLB_BitBlt(nullptr, 0, 0, 0, 0, nullptr, 0, 0, SRCCOPY), FALSE)
      << "a preview without a surface";
}

}  // namespace
}  // namespace nolb::standin
