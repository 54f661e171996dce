// One control of a form, made from a row of the form's control table.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/component_win.h"

namespace ui {

enum class ControlKind {
  kBevel,         // a 2-pixel etched line
  kGroupBox,      // a frame with a caption; holds the controls placed in it
  kLabel,
  kEdit,
  kReadOnlyEdit,  // button-face background
  kPanel,         // raised panel with a centred caption and a colour of its own
  kButton,
  kDefaultButton, // the form's default button: Enter anywhere clicks it
  kCancelButton,  // the form's cancel button: Esc anywhere clicks it
  kCheckBox,
  kDropDownList,  // a list to choose from, no typing
  kHotKey,        // hotkey edit control
  kTrackBar,      // horizontal track bar, ticks below; a change runs the click handler
  kTreeView,      // a tree with buttons and lines; its form fills it and hears its notices
};

// Flags of a control table row.
enum ControlFlags : unsigned {
  kNone = 0,
  kDisabled = 1u << 0,
  kChecked = 1u << 1,
  kAlignRight = 1u << 2,
  kNoBevel = 1u << 3,  // panels: flat, no raised edge
};

class Form;

class Control : public Component {
 public:
  Control(Form& form, std::wstring name, ControlKind kind, Control* parent);
  ~Control() override;

  ControlKind Kind() const { return kind_; }
  HWND Handle() const { return hwnd_; }
  Control* Parent() const { return parent_; }
  Form& Owner() const { return form_; }

  std::wstring Text() const;
  // A text equal to the one shown is not set again: nothing flickers, and
  // an edit keeps its caret and selection.
  void SetText(std::wstring_view text);
  // The text as UTF-8, as the program's rules take it.
  std::string TextUtf8() const;
  void SetTextUtf8(std::string_view text);

  bool Checked() const;
  // Setting a different check state runs the click handler exactly as a
  // click does; setting the same state runs nothing.
  void SetChecked(bool checked);

  // The control's own enabled state. A control inside a disabled group box
  // takes no input whatever its own state.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool EffectivelyEnabled() const;

  bool Visible() const;
  void SetFocus();

  // Lists.
  int ItemIndex() const;  // -1 without a selected item
  void SetItemIndex(int index);  // an index outside the list selects nothing
  int ItemCount() const;
  std::wstring Item(int index) const;
  void AddItem(std::wstring_view item);
  void SetItems(const std::vector<std::wstring>& items);

  // Track bars. Setting a different position from code runs the click
  // handler, as a move by the user does.
  int Position() const;
  void SetPosition(int position);
  void SetRange(int minimum, int maximum);

  // Panels: the raised edge.
  bool Bevel() const { return bevel_; }
  void SetBevel(bool bevel);

  // Colours: the background of panels, edits and lists, the system colour
  // index (COLOR_...) or a fixed colour.
  void SetColor(COLORREF color);
  void SetSystemColor(int colorIndex);
  std::optional<COLORREF> Color() const { return color_; }
  HBRUSH Brush() const { return brush_; }

  Handler onClick;  // click, check change, list selection
  KeyHandler onKeyUp;
  Handler onCaptureLost;  // the mouse capture it held went elsewhere (panels)

  // Used by Form while building and routing.
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  // Gives the window the control's designer name, by which tests in another
  // process find it (two requests to the window system, so Form does it
  // once the window is shown).
  void PublishName();
  void RefreshEnabled();

 private:
  Form& form_;
  ControlKind kind_;
  Control* parent_;
  HWND hwnd_ = nullptr;
  ATOM nameAtom_ = 0;
  bool enabled_ = true;
  bool bevel_ = true;
  std::optional<COLORREF> color_;
  HBRUSH brush_ = nullptr;
};

}  // namespace ui
