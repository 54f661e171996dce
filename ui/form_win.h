// The base of every window of the program: a top-level window described by
// tables (its controls, its menu, its timers) and made by one function.
// Events reach named handlers; an error raised in a handler ends that
// handler and goes to the default error report, never further.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control_win.h"
#include "ui/handles_win.h"
#include "ui/menu_win.h"
#include "ui/timer_win.h"

namespace ui {

struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One row of a form's control table. Places are relative to the client area
// of the form or of the parent group box. Rows are created in table order,
// which is also the tab order. Every member of the table types has a default
// initializer, so a row names only what it sets, warning-free.
struct ControlDesc {
  const wchar_t* name = L"";
  ControlKind kind = ControlKind::kLabel;
  const wchar_t* parent = nullptr;  // group box name, or none for the form
  const wchar_t* caption = L"";
  const wchar_t* hint = nullptr;
  Place place{};
  unsigned flags = kNone;
  std::vector<const wchar_t*> items{};  // list items
  int itemIndex = -1;                   // initially selected item
  int dropDownRows = 8;                 // visible rows of a dropped-down list
  Handler click{};
  KeyHandler keyUp{};
};

// One item of a menu bar or popup menu, in menu order. Items of one top-level
// menu share its caption; a null caption is a separator.
struct MenuDesc {
  const wchar_t* name = L"";
  const wchar_t* menu = L"";  // the top-level menu's caption (menu bars only)
  const wchar_t* caption = nullptr;
  bool autoCheck = false;
  const wchar_t* hint = nullptr;
  Handler click{};
  bool isDefault = false;  // shown bold (popup menus)
  // Ctrl and this virtual key ('A' to 'Z') choose the item while its form
  // is active and the item enabled; the caption shows "Ctrl+<key>".
  UINT ctrlKey = 0;
  // The caption of a submenu of the top-level menu that holds the item;
  // consecutive items with the same one share it (menu bars only).
  const wchar_t* submenu = nullptr;
  bool radio = false;  // its check is a dot: one of a group of choices
};

struct FontDesc {
  const wchar_t* face = L"ＭＳ Ｐゴシック";
  int height = 12;  // pixels
  BYTE charset = SHIFTJIS_CHARSET;
};

// A form that paints all of itself: erasing its background draws nothing.
inline constexpr int kNoBackground = -1;

struct FormDesc {
  const wchar_t* className = L"";
  const wchar_t* caption = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  Place place{};  // outer rectangle in screen pixels
  // The client area the layout needs, or 0: the outer size grows beyond
  // place (never shrinks) until the client area holds it, whatever the
  // system's frame, caption and menu metrics are.
  int clientWidth = 0;
  int clientHeight = 0;
  FontDesc font{};
  int backgroundColor = COLOR_BTNFACE;  // system colour index, or kNoBackground
  HWND owner = nullptr;
};

// Results of a modal run.
inline constexpr int kModalOk = IDOK;          // 1
inline constexpr int kModalCancel = IDCANCEL;  // 2

class Form : public Component {
 public:
  explicit Form(std::wstring name);
  ~Form() override;

  HWND Handle() const { return hwnd_; }
  HFONT Font() const { return font_.Get(); }

  // Components by designer name; a missing name is a programming error.
  Control& Find(std::wstring_view name) const;
  MenuItem& Menu(std::wstring_view name) const;
  Timer& TimerNamed(std::wstring_view name) const;

  // Runs a handler (if any) with the default error report around it.
  // Returns false when the handler raised an error.
  bool Invoke(const Handler& handler, Component* sender) noexcept;

  void RefreshEnabledControls();
  // Gives the focus to a control of this form.
  void SetActiveControl(Control& control);

  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void Show(int command = SW_SHOWNORMAL);
  void Close() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }
  void SetBounds(const Place& place);
  Place Bounds() const;
  std::wstring Caption() const;

  // Shows the form in front (centred over its owner, if it has one, within
  // the work area of the owner's monitor), while
  // the program's other windows take no input, and returns the result once
  // EndModal is called or the form hides itself; closing the form from its
  // title bar ends it with kModalCancel. The form is hidden, not destroyed,
  // afterwards, and the window that was active before (the owner, if any)
  // is active again.
  int ShowModal();
  void EndModal(int result) { modalResult_ = result; }

  // Runs the task from the message loop, once the GUI thread is back there:
  // after what it is doing now (showing the window, say), and before any
  // input, which the loop takes only after posted messages. An error the
  // task raises goes to the default error report.
  void Later(std::function<void()> task);

  // A key of the message loop that is the Ctrl shortcut of one of the
  // form's menu items: chooses the item, from the message loop, when it is
  // enabled. True when the key was such a shortcut (and is used up).
  bool TakeShortcut(const MSG& msg);

  // Opens a popup menu made by AddPopupMenu at a screen point.
  void ShowPopupMenu(HMENU menu, POINT at);

  // The program ends its message loop when its main form is destroyed.
  void MakeMainForm() { mainForm_ = true; }

  // FormDestroy has begun (the window is destroyed, or the session ends):
  // from then on the form's controls, menus and timers run no handler.
  bool ShutDownBegun() const { return shutDown_; }
  // The session ends, or the system asks the program to end: the forms shut
  // down, the main form first, whichever window hears of it first.
  static bool SessionEnding();

  // The top-level window's own form, if it is one of the program's forms.
  static Form* FromHandle(HWND hwnd);

 protected:
  // Makes the window, its controls, menu and timers; then runs FormCreate.
  void Create(const FormDesc& form, const std::vector<ControlDesc>& controls,
              const std::vector<MenuDesc>& menu = {});
  Timer& AddTimer(std::wstring name, UINT interval, bool enabled, Handler handler);
  // A popup menu whose items work as the menu bar's do (names, check marks,
  // handlers); an item with isDefault is shown bold. The form owns it.
  HMENU AddPopupMenu(const std::vector<MenuDesc>& items);

  // Builds a handler that calls a member function of the derived form.
  template <typename F, typename Method>
  Handler On(Method method) {
    return [this, method](Component* sender) { (static_cast<F*>(this)->*method)(sender); };
  }

  virtual void FormCreate() {}
  // False keeps the window open.
  virtual bool FormCloseQuery() { return true; }
  virtual void FormDestroy() {}
  // Messages a derived form handles itself before the layer does.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Runs FormDestroy once, when the window is destroyed or the session
  // ends, whichever comes first, and stops the form's timers.
  void ShutDown();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void AddControl(const ControlDesc& desc);
  void GrowToClientSize(int width, int height);
  void AddMenu(const std::vector<MenuDesc>& menu);
  void AppendMenuItem(HMENU popup, const MenuDesc& desc);
  void AddHint(const Control& control, const wchar_t* hint);
  void RunLaterTasks();
  void FitListHeight(HWND list, int height);
  Control* ControlById(UINT id) const;
  Control* ControlByHandle(HWND hwnd) const;
  std::optional<LRESULT> ControlColor(HDC dc, HWND control);
  void OnCommand(UINT id, UINT code);
  static LRESULT CALLBACK KeyUpSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data) noexcept;

  HWND hwnd_ = nullptr;
  GdiObject<HFONT> font_;
  HWND tooltip_ = nullptr;
  // Hints of the controls made, registered from the message loop.
  std::vector<std::pair<const Control*, std::wstring>> pendingHints_;
  std::vector<std::function<void()>> laterTasks_;
  HMENU menuBar_ = nullptr;
  HWND lastFocus_ = nullptr;
  UINT defaultButtonId_ = 0;
  UINT cancelButtonId_ = 0;
  // The closed height of the last drop-down list fitted and the item height
  // that gave it (the form's lists share one font).
  int fittedListHeight_ = 0;
  LRESULT fittedItemHeight_ = 0;
  int modalResult_ = 0;
  bool modal_ = false;
  std::vector<HMENU> popupMenus_;
  bool mainForm_ = false;
  bool shutDown_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<MenuItem>> menuItems_;
  std::vector<std::pair<UINT, const MenuItem*>> shortcuts_;  // virtual key, item
  std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace ui
