// plain_main_window.exe LAYOUT [EVENT]: the panel's main window made plainly,
// the yardstick of the start-up and memory benchmarks. It has what the
// panel's main window has before the user sees it, made with plain Win32
// calls and no window layer: the same imports (common controls 6 through
// the same manifest, winmm with the timer resolution raised during static
// initialisation), the same icon, window class style, window style, size and
// place, the same controls (classes, styles, places, texts, list items,
// check marks, font) and the same two menus.
//
// The window and its controls come from LAYOUT, a file that the benchmark
// wrote from the running panel's own main window (window_layout_win.h).
// Once the controls and menus are made it sets the named event EVENT, if
// given, then shows the window. Like the panel at its first status tick,
// it makes a DirectDraw object 330 ms later and holds it until it is closed.
#include <windows.h>
#include <commctrl.h>
#include <ddraw.h>
#include <mmsystem.h>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "bench/window_layout_win.h"

namespace {

// As the panel's static initialisation does.
struct TimerResolution {
  TimerResolution() {
    timeGetDevCaps(&caps, sizeof caps);
    timeBeginPeriod(caps.wPeriodMin);
  }
  ~TimerResolution() { timeEndPeriod(caps.wPeriodMin); }
  TIMECAPS caps{};
} timerResolution;

// The main window's two menus (another process's menus cannot be read).
struct MenuRow {
  const wchar_t* menu;
  const wchar_t* item;  // null: a separator
};
constexpr MenuRow kMenus[] = {
    {L"表示(&S)", L"取り込み範囲表示切替(&T)"}, {L"表示(&S)", L"半透明化(&L)"},
    {L"設定(&O)", L"デスクトップ座標に変換(&C)"}, {L"設定(&O)", L"ウィンドウ座標に変換(&D)"},
    {L"設定(&O)", nullptr}, {L"設定(&O)", L"ホットキー(&H)"},
};
constexpr UINT kFirstMenuCommand = 40000;
constexpr UINT_PTR kDirectDrawTimer = 1;
constexpr UINT kDirectDrawDelayMs = 330;

HMODULE ddrawLibrary = nullptr;
IDirectDraw* directDraw = nullptr;

void MakeDirectDraw(HWND window) {
  ddrawLibrary = LoadLibraryExW(L"ddraw.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!ddrawLibrary) return;
  auto create = reinterpret_cast<decltype(&DirectDrawCreate)>(
      reinterpret_cast<void*>(GetProcAddress(ddrawLibrary, "DirectDrawCreate")));
  if (create && create(nullptr, &directDraw, nullptr) == DD_OK) {
    directDraw->SetCooperativeLevel(window, DDSCL_NORMAL);
  } else {
    directDraw = nullptr;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      KillTimer(window, kDirectDrawTimer);
      if (!directDraw) MakeDirectDraw(window);
      return 0;
    case WM_DESTROY:
      if (directDraw) directDraw->Release();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A class of the panel's own (its panel control) is registered plainly.
void RegisterIfUnknown(HINSTANCE instance, const wchar_t* name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(nullptr, name, &wc) || GetClassInfoExW(instance, name, &wc)) return;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

HMENU MakeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  const wchar_t* current = nullptr;
  UINT command = kFirstMenuCommand;
  for (const MenuRow& row : kMenus) {
    if (!current || wcscmp(current, row.menu) != 0) {
      current = row.menu;
      popup = CreatePopupMenu();
      AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), row.menu);
    }
    AppendMenuW(popup, row.item ? MF_STRING : MF_SEPARATOR, command++, row.item);
  }
  return bar;
}

HWND MakeWindow(HINSTANCE instance, const bench::WindowLayout& layout) {
  const bench::WindowRow& top = layout.window;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = top.classStyle;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The program's icon (its first), as the panel's windows have it.
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXICON), LR_SHARED));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXSMICON), LR_SHARED));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = top.className.c_str();
  if (!RegisterClassExW(&wc)) return nullptr;
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"ＭＳ Ｐゴシック");
  HWND window = CreateWindowExW(top.exStyle, top.className.c_str(), top.text.c_str(), top.style, top.place.left,
                                top.place.top, top.place.right - top.place.left, top.place.bottom - top.place.top,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  for (const bench::WindowRow& c : layout.controls) {
    RegisterIfUnknown(instance, c.className.c_str());
    // A drop-down list is made as high as it is when dropped.
    const int height = c.place.bottom - c.place.top + c.dropDownRows * 16;
    HWND control = CreateWindowExW(c.exStyle, c.className.c_str(), c.text.c_str(), c.style, c.place.left,
                                   c.place.top, c.place.right - c.place.left, height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    if (!control) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const auto& item : c.items) SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (c.dropDownRows) {
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(c.selection), 0);
      SendMessageW(control, CB_SETMINVISIBLE, static_cast<WPARAM>(c.dropDownRows), 0);
    }
    if (c.check != BST_UNCHECKED) SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(c.check), 0);
  }
  SetMenu(window, MakeMenuBar());
  return window;
}

// The command line: the layout file's path, in quotes when it holds a
// blank, then the event's name. (Parsed here: the panel does not import
// the shell library that would do it.)
std::pair<std::wstring, std::wstring> Arguments(const wchar_t* line) {
  std::wstring text(line), path, event;
  size_t end = 0;
  if (!text.empty() && text[0] == L'"') {
    end = text.find(L'"', 1);
    path = text.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1);
    end = end == std::wstring::npos ? text.size() : end + 1;
  } else {
    end = std::min(text.find(L' '), text.size());
    path = text.substr(0, end);
  }
  const size_t start = text.find_first_not_of(L' ', end);
  if (start != std::wstring::npos) event = text.substr(start);
  return {path, event};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  const auto [layoutPath, eventName] = Arguments(commandLine);
  if (layoutPath.empty()) return 2;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_HOTKEY_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND window = nullptr;
  try {
    window = MakeWindow(instance, bench::LoadWindowLayout(layoutPath));
  } catch (const std::exception&) {
  }
  if (!window) return 1;
  if (!eventName.empty()) {
    if (HANDLE made = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName.c_str())) {
      SetEvent(made);
      CloseHandle(made);
    }
  }
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(window);
  SetTimer(window, kDirectDrawTimer, kDirectDrawDelayMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
