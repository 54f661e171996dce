#include "ui/control_win.h"

#include <commctrl.h>

#include "ui/form_win.h"
#include "ui/text_win.h"

namespace ui {

namespace {
constexpr wchar_t kNameProperty[] = L"NOLB.Name";
}

Control::Control(Form& form, std::wstring name, ControlKind kind, Control* parent)
    : Component(std::move(name)), form_(form), kind_(kind), parent_(parent) {}

Control::~Control() {
  if (nameAtom_ && hwnd_ && IsWindow(hwnd_)) RemovePropW(hwnd_, kNameProperty);
  if (nameAtom_) GlobalDeleteAtom(nameAtom_);
  if (brush_) DeleteObject(brush_);
}

void Control::PublishName() {
  if (nameAtom_) return;
  nameAtom_ = GlobalAddAtomW(Name().c_str());
  SetPropW(hwnd_, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
}

std::wstring Control::Text() const {
  int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(got));
  return text;
}

void Control::SetText(std::wstring_view text) {
  if (Text() == text) return;
  std::wstring copy(text);
  SetWindowTextW(hwnd_, copy.c_str());
  if (kind_ == ControlKind::kPanel) InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string Control::TextUtf8() const { return Narrow(Text()); }
void Control::SetTextUtf8(std::string_view text) { SetText(Widen(text)); }

bool Control::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::SetChecked(bool checked) {
  if (Checked() == checked) return;
  SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  form_.Invoke(onClick, this);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (kind_ == ControlKind::kGroupBox) {
    form_.RefreshEnabledControls();
  } else {
    RefreshEnabled();
  }
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void Control::RefreshEnabled() { EnableWindow(hwnd_, EffectivelyEnabled()); }

bool Control::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Control::SetFocus() { ::SetFocus(hwnd_); }

int Control::ItemIndex() const {
  return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

void Control::SetItemIndex(int index) {
  // An index outside the list selects nothing (not every combo box clears
  // its selection by itself then).
  if (index < 0 || index >= ItemCount()) index = -1;
  SendMessageW(hwnd_, CB_SETCURSEL, index, 0);
}

int Control::ItemCount() const {
  return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
}

std::wstring Control::Item(int index) const {
  LRESULT length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void Control::AddItem(std::wstring_view item) {
  std::wstring copy(item);
  SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void Control::SetItems(const std::vector<std::wstring>& items) {
  SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const auto& item : items) AddItem(item);
}

int Control::Position() const {
  return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
}

void Control::SetPosition(int position) {
  int before = Position();
  SendMessageW(hwnd_, TBM_SETPOS, TRUE, position);
  if (Position() != before) form_.Invoke(onClick, this);
}

void Control::SetRange(int minimum, int maximum) {
  SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, minimum);
  SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, maximum);
}

void Control::SetBevel(bool bevel) {
  bevel_ = bevel;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetColor(COLORREF color) {
  if (color_ == color) return;
  color_ = color;
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetSystemColor(int colorIndex) { SetColor(GetSysColor(colorIndex)); }

}  // namespace ui
