// The window list: the visible top-level windows of other programs as a
// tree, each open to its child windows, narrowed by a filter, and the one
// chosen taken as the target, all by keyboard if the user likes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "target/window_list.h"
#include "target/window_tree_win.h"
#include "ui/form_win.h"
#include "ui/window_system_win.h"

namespace nolb {

// What became of a window the user chose.
enum class TakeOutcome {
  kTaken,   // it is the target now
  kGone,    // it no longer exists (or its client area cannot be read): nothing changed
  kLocked,  // a real-time mode came on meanwhile: nothing changed
};

// Takes a window as the target; with apply false it only fills in.
using TakeChosenWindow = std::function<TakeOutcome(WindowId window, bool apply)>;

class TFormWindowList : public ui::Form {
 public:
  // Makes the hidden dialog, owned by owner, at the given outer size, with
  // the windows there now.
  TFormWindowList(HWND owner, int width, int height, TakeChosenWindow take);
  // Destroyed while its own part still lives, for the notices that come then.
  ~TFormWindowList() override;

  // Enter or the button takes the chosen window and applies; with Shift
  // held, as the other button, it only fills in.
  void ButtonTakeClick(ui::Component* sender);
  void ButtonFillInClick(ui::Component* sender);
  void ButtonCancelClick(ui::Component* sender);

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND Tree() const { return Find(L"TreeWindows").Handle(); }
  // Lists the windows anew, and shows those the filter keeps.
  void Reload();
  void ShowFiltered();
  HTREEITEM AddItem(HTREEITEM parent, const ListedWindow& window, bool child);
  // Fills an item's children the first time it opens.
  void AddChildren(HTREEITEM item, WindowId window);
  void TakeChosen(bool apply);
  void Say(const wchar_t* text);
  // Places the controls in a client area of that size.
  void Layout(int width, int height);
  LRESULT OnNotify(const NMHDR& notice);
  // The filter's Up and Down lead into the list; letters typed in the list
  // go on into the filter.
  static LRESULT CALLBACK KeySubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data) noexcept;

  TakeChosenWindow take_;
  Win32WindowTree tree_;
  Win32WindowSystem windows_;
  std::vector<ListedWindow> listed_;
  bool made_ = false;
};

// Runs the window list modally over the owner, at the size it had when it
// was last closed (section WindowList of the settings file), and keeps the
// size it has when it closes.
void ChooseWindowFromList(HWND owner, TakeChosenWindow take);

}  // namespace nolb
