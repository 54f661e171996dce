#include "ui/window_system_win.h"

#include <windows.h>

#include "ui/desktop_composition_win.h"
#include "ui/monitor_scaling_win.h"
#include "ui/text_win.h"

namespace nolb {
namespace {

HWND Handle(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId Id(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }

// Window texts and class names are read through buffers of 1024 characters.
constexpr int kTextBuffer = 1024;

bool Holds(const WindowRect& r, POINT p) {
  return p.x >= r.left && p.y >= r.top && p.x - r.left < r.width && p.y - r.top < r.height;
}

// The deepest shown, enabled child of the window at the point, else the window.
HWND DeepestAt(HWND window, POINT screen) {
  for (;;) {
    POINT client = screen;
    ScreenToClient(window, &client);
    HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
    if (!child || child == window) return window;
    window = child;
  }
}

// The window at the point beneath the top-level window, whose invisible
// resize border holds it: the next shown, enabled top-level window down the
// order whose visible frame holds it, and in it the deepest child there; the
// desktop window where none does.
HWND WindowBehind(HWND top, POINT screen, std::optional<std::vector<MonitorScaling>>& monitors) {
  for (HWND w = GetWindow(top, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const LONG_PTR exStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
    const bool passThrough = (exStyle & WS_EX_LAYERED) && (exStyle & WS_EX_TRANSPARENT);
    if (!IsWindowVisible(w) || !IsWindowEnabled(w) || passThrough) continue;
    if (Holds(ui::VisibleFrame(w, monitors), screen)) return DeepestAt(w, screen);
  }
  return GetDesktopWindow();
}

}  // namespace

WindowId Win32WindowSystem::DesktopWindow() { return Id(GetDesktopWindow()); }

bool Win32WindowSystem::IsWindow(WindowId window) { return ::IsWindow(Handle(window)) != FALSE; }

WindowId Win32WindowSystem::Parent(WindowId window) { return Id(GetParent(Handle(window))); }

std::optional<Size> Win32WindowSystem::ClientSize(WindowId window) {
  RECT r;
  if (!GetClientRect(Handle(window), &r)) return std::nullopt;
  return Size{r.right - r.left, r.bottom - r.top};
}

Point Win32WindowSystem::ClientToScreen(WindowId window, Point client) {
  POINT p{client.x, client.y};
  ::ClientToScreen(Handle(window), &p);
  return {p.x, p.y};
}

Point Win32WindowSystem::ScreenToClient(WindowId window, Point screen) {
  POINT p{screen.x, screen.y};
  ::ScreenToClient(Handle(window), &p);
  return {p.x, p.y};
}

WindowId Win32WindowSystem::WindowFromPoint(Point screen) {
  const POINT at{screen.x, screen.y};
  HWND hit = ::WindowFromPoint(at);
  // A top-level window is hit by the frame it shows: its invisible resize
  // border (Windows 10's) belongs to the window behind. A child hit lies
  // inside its top-level window's client area, never in that border.
  if (!hit || GetAncestor(hit, GA_ROOT) != hit || hit == GetDesktopWindow()) return Id(hit);
  std::optional<std::vector<MonitorScaling>> monitors;
  if (Holds(ui::VisibleFrame(hit, monitors), at)) return Id(hit);
  return Id(WindowBehind(hit, at, monitors));
}

std::optional<Point> Win32WindowSystem::CursorPos() {
  POINT p;
  if (!GetCursorPos(&p)) return std::nullopt;
  return Point{p.x, p.y};
}

std::string Win32WindowSystem::Text(WindowId window) {
  wchar_t buffer[kTextBuffer];
  int n = GetWindowTextW(Handle(window), buffer, kTextBuffer);
  return ui::Narrow(std::wstring_view(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

std::string Win32WindowSystem::ClassName(WindowId window) {
  wchar_t buffer[kTextBuffer];
  int n = GetClassNameW(Handle(window), buffer, kTextBuffer);
  return ui::Narrow(std::wstring_view(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

Point Win32WindowSystem::VirtualScreenOrigin() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
}

std::optional<WindowRect> Win32WindowSystem::MonitorOf(Point screen) {
  // Neither call reaches a window: the real-time tick's worker uses them.
  const HMONITOR monitor = MonitorFromPoint(POINT{screen.x, screen.y}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!monitor || !GetMonitorInfoW(monitor, &info)) return std::nullopt;
  return ui::ToWindowRect(info.rcMonitor);
}

}  // namespace nolb
