// A window of another process, driven and read through messages. Controls
// and forms are found by their designer name: the program's window layer
// gives each of them the window property "NOLB.Name", a global atom whose
// name is the control's name ("EditX", "ButtonApply").
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  HWND Handle() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  bool Exists() const { return hwnd_ && IsWindow(hwnd_); }

  // The designer name ("EditX"), empty for a window without one.
  std::string Name() const;
  std::wstring ClassName() const;
  DWORD ProcessId() const;
  int Id() const { return GetDlgCtrlID(hwnd_); }
  Window Parent() const { return Window(GetParent(hwnd_)); }
  std::vector<Window> Children() const;  // all descendants
  // The descendant with that designer name, if any.
  std::optional<Window> Find(std::string_view name) const;

  std::wstring Text() const;                // WM_GETTEXT
  void SetText(std::wstring_view text) const;  // WM_SETTEXT
  // Text as a number; throws when it is none.
  int Number() const;

  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  RECT Rect() const;        // screen coordinates
  RECT ClientRect() const;  // screen coordinates of the client area
  POINT Center() const;     // screen coordinates

  // Buttons and check boxes.
  void Click() const;  // posted BM_CLICK: the program handles it as a user click
  bool Checked() const;
  int CheckState() const;  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE

  // Combo boxes: the selected index (-1 for none), the items, and a
  // selection as the user makes it (CB_SETCURSEL, then CBN_SELCHANGE to the parent).
  int Selection() const;
  std::vector<std::wstring> Items() const;
  void Select(int index) const;
  // Selects the item with that text; throws when there is none.
  void Select(std::wstring_view item) const;

  // Brings the window's top-level window to the front and gives this window
  // the keyboard focus; returns once the focus is there (throws otherwise).
  void Focus() const;
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // SendMessage with a bound: throws when the window does not answer in time.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Close() const { Post(WM_CLOSE); }

  // "EditX (Edit 0x1234)" for failure messages.
  std::string Describe() const;

  bool operator==(const Window& other) const { return hwnd_ == other.hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// The top-level windows of a process (visible or not), in z-order.
std::vector<Window> TopLevelWindows(DWORD processId);
// The first of roots, or of their descendants, with that designer name.
std::optional<Window> FindNamed(const std::vector<Window>& roots, std::string_view name);
// The window with the keyboard focus in the foreground thread, if any.
Window FocusedWindow();
// Makes the window's top-level window the foreground and active window and
// waits until its thread has handled the activation and Wine's key-state
// update for it (see focus_change.h); throws when it cannot.
void BringToFront(const Window& window);

}  // namespace e2e
