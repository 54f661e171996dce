#include "ui/form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "base/error.h"
#include "ui/application_win.h"
#include "ui/capture_exclusion_win.h"
#include "ui/error_report_win.h"
#include "ui/messages_win.h"
#include "ui/panel_win.h"
#include "ui/text_win.h"
#include "ui/window_class_win.h"
#include "ui/window_placement_win.h"

namespace ui {
namespace {

constexpr wchar_t kFormProperty[] = L"NOLB.Form";
constexpr UINT kFirstControlId = 100;
constexpr UINT kFirstMenuCommand = 40000;

// The main form's window while it exists.
HWND mainWindow = nullptr;
// The session ends, or the system has asked the program to end.
bool sessionEnding = false;

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind, unsigned flags) {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::kBevel:
      return {L"STATIC", child | SS_ETCHEDHORZ, 0};
    case ControlKind::kGroupBox:
      return {L"BUTTON", child | BS_GROUPBOX, 0};
    case ControlKind::kLabel:
      return {L"STATIC",
              child | SS_NOPREFIX | static_cast<DWORD>((flags & kAlignRight) ? SS_RIGHT : SS_LEFT),
              0};
    case ControlKind::kEdit:
      return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kReadOnlyEdit:
      return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case ControlKind::kPanel:
      return {kPanelClass, child, 0};
    case ControlKind::kButton:
      return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kDefaultButton:
      return {L"BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
    case ControlKind::kCancelButton:
      return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kTrackBar:
      return {TRACKBAR_CLASSW, child | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH, 0};
    case ControlKind::kCheckBox:
      return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::kDropDownList:
      return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::kHotKey:
      return {HOTKEY_CLASSW, child | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kTreeView:
      return {WC_TREEVIEWW,
              child | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                  TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP,
              WS_EX_CLIENTEDGE};
  }
  throw std::logic_error("unknown control kind");
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(data);
  if (window != found->first && IsWindowVisible(window) && IsWindowEnabled(window)) {
    found->second.push_back(window);
  }
  return TRUE;
}

// The visible, enabled top-level windows of the calling thread but one.
std::vector<HWND> EnabledThreadWindows(HWND except) {
  std::pair<HWND, std::vector<HWND>> found{except, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

}  // namespace

Form::Form(std::wstring name) : Component(std::move(name)) {}

Form::~Form() {
  // A window still alive here is destroyed without its FormDestroy: the
  // derived part of the object is already gone.
  if (hwnd_) {
    RemovePropW(hwnd_, kFormProperty);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (menuBar_ && !hwnd_) DestroyMenu(menuBar_);
  for (HMENU popup : popupMenus_) DestroyMenu(popup);
}

Form* Form::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Form*>(GetPropW(hwnd, kFormProperty)) : nullptr;
}

void Form::Create(const FormDesc& form, const std::vector<ControlDesc>& controls,
                  const std::vector<MenuDesc>& menu) {
  RegisterWindowClass(form.className, &Form::WindowProc,
                      form.backgroundColor == kNoBackground ? nullptr
                                                            : GetSysColorBrush(form.backgroundColor));
  RegisterPanelClass();
  font_.Reset(CreateFontW(-form.font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          form.font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, form.font.face));
  hwnd_ = CreateWindowExW(form.exStyle, form.className, form.caption, form.style,
                          form.place.left, form.place.top, form.place.width, form.place.height,
                          form.owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw nolb::Error("ウィンドウを作成できません");
  if (mainForm_) mainWindow = hwnd_;
  FollowCaptureExclusion(hwnd_, mainForm_ || form.owner);
  for (const auto& desc : controls) AddControl(desc);
  if (!menu.empty()) AddMenu(menu);
  GrowToClientSize(form.clientWidth, form.clientHeight);
  Invoke([this](Component*) { FormCreate(); }, nullptr);
  // What the user needs only from the message loop on comes there, before
  // the first input is handled but after the window is shown: the tool-tip
  // window and its tools (a hint shows only then), and the main window's
  // own icons and the names of its controls, for other programs (the
  // taskbar, Alt+Tab and tools, which see the window's icons rather than its
  // class's; the class has the same icons, so its title bar looks the same
  // before). The user waits for that window at start; another form gets
  // them at once, so that they are never missing while it is shown.
  if (!mainForm_) {
    SetProgramIcon(hwnd_);
    for (const auto& control : controls_) control->PublishName();
  }
  Later([this] {
    if (mainForm_) SetProgramIcon(hwnd_);
    for (const auto& control : controls_) control->PublishName();
    for (const auto& [control, hint] : pendingHints_) AddHint(*control, hint.c_str());
    pendingHints_.clear();
  });
}

void Form::Later(std::function<void()> task) {
  laterTasks_.push_back(std::move(task));
  if (laterTasks_.size() == 1) PostMessageW(hwnd_, kRunLaterMessage, 0, 0);
}

void Form::RunLaterTasks() {
  // A task may queue another: it runs in this round too. None runs once the
  // window's shut-down has begun.
  for (size_t i = 0; i < laterTasks_.size() && !shutDown_; ++i) {
    std::function<void()> task = std::move(laterTasks_[i]);
    Invoke([&](Component*) { task(); }, nullptr);
  }
  laterTasks_.clear();
}

void Form::GrowToClientSize(int width, int height) {
  // Measured after the menu is set, so a menu bar of any height counts.
  RECT client{};
  GetClientRect(hwnd_, &client);
  int wider = std::max(0, width - static_cast<int>(client.right));
  int higher = std::max(0, height - static_cast<int>(client.bottom));
  if (wider == 0 && higher == 0) return;
  Place outer = Bounds();
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.width + wider, outer.height + higher,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::AddControl(const ControlDesc& desc) {
  Control* parent = desc.parent ? &Find(desc.parent) : nullptr;
  auto control = std::make_unique<Control>(*this, desc.name, desc.kind, parent);
  int left = desc.place.left;
  int top = desc.place.top;
  if (parent) {
    // The parent's own place already includes its ancestors.
    RECT r;
    GetWindowRect(parent->Handle(), &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 1);
    left += r.left;
    top += r.top;
  }
  ControlClass cls = ClassOf(desc.kind, desc.flags);
  int height = desc.place.height;
  if (desc.kind == ControlKind::kDropDownList) height += desc.dropDownRows * 16;
  UINT id = kFirstControlId + static_cast<UINT>(controls_.size());
  HWND hwnd = CreateWindowExW(cls.exStyle, cls.className, desc.caption, cls.style, left, top,
                              desc.place.width, height, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) throw nolb::Error("コントロールを作成できません");
  control->Attach(hwnd);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  if (desc.kind == ControlKind::kPanel) AttachPanel(hwnd, control.get());
  if (desc.kind == ControlKind::kDefaultButton) defaultButtonId_ = id;
  if (desc.kind == ControlKind::kCancelButton) cancelButtonId_ = id;
  if (desc.flags & kNoBevel) control->SetBevel(false);
  if (desc.kind == ControlKind::kDropDownList) {
    for (const wchar_t* item : desc.items) control->AddItem(item);
    control->SetItemIndex(desc.itemIndex);
    SendMessageW(hwnd, CB_SETMINVISIBLE, desc.dropDownRows, 0);
    FitListHeight(hwnd, desc.place.height);
  }
  if (desc.flags & kChecked) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  control->onClick = desc.click;
  control->onKeyUp = desc.keyUp;
  if (desc.keyUp) SetWindowSubclass(hwnd, &Form::KeyUpSubclass, 1, 0);
  if (desc.hint) pendingHints_.emplace_back(control.get(), desc.hint);
  Control& added = *control;
  controls_.push_back(std::move(control));
  if (desc.flags & kDisabled) added.SetEnabled(false);
}

void Form::FitListHeight(HWND list, int height) {
  // The closed list is exactly as high as its place says. Each change of
  // its item height resizes the list and its drop-down window, a top-level
  // window that is slow to move under Wine, so the first try is the best
  // guess: the item height that fitted the last list as high, else the
  // height less the frame of the system's lists (2 + 1 pixels above and
  // below). The height read back then corrects it, as it does on a system
  // whose frame differs.
  constexpr int kListFrame = 6;
  RECT r;
  GetWindowRect(list, &r);
  if (r.bottom - r.top == height) return;
  LRESULT itemHeight = height == fittedListHeight_ ? fittedItemHeight_ : height - kListFrame;
  for (int attempt = 0; attempt < 3; ++attempt) {
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    GetWindowRect(list, &r);
    int excess = (r.bottom - r.top) - height;
    if (excess == 0) {
      fittedListHeight_ = height;
      fittedItemHeight_ = itemHeight;
      return;
    }
    itemHeight -= excess;
  }
}

void Form::AddHint(const Control& control, const wchar_t* hint) {
  // The tool-tip window comes with the first hint: a form without hints (the
  // markers) is made without one, which saves a top-level window at start-up.
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    FollowCaptureExclusion(tooltip_, true);
  }
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  info.lpszText = const_cast<wchar_t*>(hint);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  // A disabled control gets no mouse input: the form under it does. The
  // same hint over the control's place on the form shows it then.
  info.uFlags = TTF_SUBCLASS;
  info.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control.Handle()));
  GetWindowRect(control.Handle(), &info.rect);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&info.rect), 2);
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Form::AddMenu(const std::vector<MenuDesc>& menu) {
  menuBar_ = CreateMenu();
  HMENU popup = nullptr;
  HMENU submenu = nullptr;
  std::wstring current;
  std::wstring currentSubmenu;
  for (const auto& desc : menu) {
    if (!popup || current != desc.menu) {
      current = desc.menu;
      popup = CreatePopupMenu();
      submenu = nullptr;
      AppendMenuW(menuBar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), desc.menu);
    }
    if (!desc.submenu) {
      submenu = nullptr;
    } else if (!submenu || currentSubmenu != desc.submenu) {
      // Destroyed with the menu bar, as the top-level menus are.
      currentSubmenu = desc.submenu;
      submenu = CreatePopupMenu();
      AppendMenuW(popup, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), desc.submenu);
    }
    AppendMenuItem(submenu ? submenu : popup, desc);
  }
  SetMenu(hwnd_, menuBar_);
}

void Form::AppendMenuItem(HMENU popup, const MenuDesc& desc) {
  UINT command = kFirstMenuCommand + static_cast<UINT>(menuItems_.size());
  std::wstring caption = desc.caption ? desc.caption : L"";
  if (desc.ctrlKey) caption += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(desc.ctrlKey));
  AppendMenuW(popup, desc.caption ? MF_STRING : MF_SEPARATOR, command, desc.caption ? caption.c_str() : nullptr);
  if (desc.radio) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_STRING | MFT_RADIOCHECK;
    SetMenuItemInfoW(popup, command, FALSE, &info);
  }
  if (desc.isDefault) SetMenuDefaultItem(popup, command, FALSE);
  menuItems_.push_back(
      std::make_unique<MenuItem>(popup, command, desc.name, desc.autoCheck, desc.click));
  if (desc.ctrlKey) shortcuts_.emplace_back(desc.ctrlKey, menuItems_.back().get());
}

HMENU Form::AddPopupMenu(const std::vector<MenuDesc>& items) {
  HMENU popup = CreatePopupMenu();
  popupMenus_.push_back(popup);
  for (const auto& desc : items) AppendMenuItem(popup, desc);
  return popup;
}

bool Form::TakeShortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 ||
      GetKeyState(VK_SHIFT) < 0) {
    return false;
  }
  for (const auto& [key, item] : shortcuts_) {
    if (key != msg.wParam) continue;
    // Posted, as the menu's own choice is: the item runs from the message
    // loop, after the key's handling.
    if (!shutDown_ && item->Enabled()) {
      PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(item->Command(), 1), 0);
    }
    return true;
  }
  return false;
}

void Form::ShowPopupMenu(HMENU menu, POINT at) {
  // The menu closes when the user clicks elsewhere only if its window is
  // in front.
  SetForegroundWindow(hwnd_);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

int Form::ShowModal() {
  HWND previous = GetActiveWindow();
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner) {
    RECT o, r;
    GetWindowRect(owner, &o);
    GetWindowRect(hwnd_, &r);
    const nolb::WindowRect placed =
        nolb::PlaceOverOwner({o.left, o.top, o.right - o.left, o.bottom - o.top},
                             r.right - r.left, r.bottom - r.top, Monitors());
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Every other window of the program takes no input meanwhile.
  std::vector<HWND> disabled = EnabledThreadWindows(hwnd_);
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modalResult_ = 0;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  // Ends with EndModal, or when the form hides or goes.
  RunModalLoop([this] { return modalResult_ == 0 && hwnd_ && Visible(); });
  modal_ = false;
  // The windows are enabled again before the form hides, so the owner gets
  // the activation back.
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
  HWND back = owner ? owner : previous;
  if (back && IsWindow(back)) SetActiveWindow(back);
  return modalResult_ != 0 ? modalResult_ : kModalCancel;
}

Timer& Form::AddTimer(std::wstring name, UINT interval, bool enabled, Handler handler) {
  UINT_PTR id = 1 + timers_.size();
  timers_.push_back(
      std::make_unique<Timer>(hwnd_, id, std::move(name), interval, std::move(handler)));
  timers_.back()->SetEnabled(enabled);
  return *timers_.back();
}

Control& Form::Find(std::wstring_view name) const {
  for (const auto& c : controls_) {
    if (c->Name() == name) return *c;
  }
  throw std::logic_error("no control named " + Narrow(name));
}

MenuItem& Form::Menu(std::wstring_view name) const {
  for (const auto& m : menuItems_) {
    if (m->Name() == name) return *m;
  }
  throw std::logic_error("no menu item named " + Narrow(name));
}

Timer& Form::TimerNamed(std::wstring_view name) const {
  for (const auto& t : timers_) {
    if (t->Name() == name) return *t;
  }
  throw std::logic_error("no timer named " + Narrow(name));
}

Control* Form::ControlById(UINT id) const {
  if (id < kFirstControlId || id - kFirstControlId >= controls_.size()) return nullptr;
  return controls_[id - kFirstControlId].get();
}

Control* Form::ControlByHandle(HWND hwnd) const {
  for (const auto& c : controls_) {
    if (c->Handle() == hwnd) return c.get();
  }
  return nullptr;
}

bool Form::Invoke(const Handler& handler, Component* sender) noexcept {
  if (!handler) return true;
  return ReportingErrors(hwnd_, [&] { handler(sender); });
}

void Form::RefreshEnabledControls() {
  for (const auto& c : controls_) c->RefreshEnabled();
}

void Form::SetActiveControl(Control& control) {
  // An inactive form only remembers the control; it gets the focus when the
  // form is activated, so a timer never pulls the window to the front.
  lastFocus_ = control.Handle();
  if (GetActiveWindow() == hwnd_) control.SetFocus();
}

void Form::Show(int command) { ShowWindow(hwnd_, command); }

void Form::SetBounds(const Place& p) {
  // A place the window has already is not set again: moving a top-level
  // window is slow under Wine even when nothing moves.
  const Place now = Bounds();
  if (now.left == p.left && now.top == p.top && now.width == p.width && now.height == p.height) return;
  MoveWindow(hwnd_, p.left, p.top, p.width, p.height, TRUE);
}

Place Form::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::wstring Form::Caption() const {
  int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
  return text;
}

std::optional<LRESULT> Form::OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

std::optional<LRESULT> Form::ControlColor(HDC dc, HWND hwnd) {
  Control* control = ControlByHandle(hwnd);
  if (!control || !control->Color()) return std::nullopt;
  SetBkColor(dc, *control->Color());
  return reinterpret_cast<LRESULT>(control->Brush());
}

void Form::OnCommand(UINT id, UINT code) {
  if (id == IDOK) id = defaultButtonId_;  // Enter, from the keyboard handling
  if (id == IDCANCEL) id = cancelButtonId_;  // Esc
  if (Control* control = ControlById(id)) {
    bool list = control->Kind() == ControlKind::kDropDownList;
    if ((list && code == CBN_SELCHANGE) || (!list && code == BN_CLICKED)) {
      Invoke(control->onClick, control);
    }
    return;
  }
  for (const auto& item : menuItems_) {
    if (item->Command() != id) continue;
    if (item->AutoCheck()) item->SetChecked(!item->Checked());
    Invoke(item->OnClick(), item.get());
    return;
  }
}

LRESULT CALLBACK Form::KeyUpSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) noexcept {
  LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (message == WM_KEYUP) {
    if (Form* form = FromHandle(GetAncestor(hwnd, GA_ROOT))) {
      if (Control* control = form->ControlByHandle(hwnd)) {
        unsigned key = static_cast<unsigned>(wParam);
        form->Invoke([&](Component* sender) { control->onKeyUp(sender, key); }, control);
      }
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Form::KeyUpSubclass, 1);
  }
  return result;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetPropW(hwnd, kFormProperty, form);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (!ReportingErrors(hwnd, [&] { result = form->HandleMessage(message, wParam, lParam); })) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return result;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto handled = OnMessage(message, wParam, lParam)) return *handled;
  switch (message) {
    case WM_COMMAND:
      if (!shutDown_) OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kRunLaterMessage:
      RunLaterTasks();
      return 0;
    case DM_GETDEFID:
      return defaultButtonId_ ? MAKELRESULT(defaultButtonId_, DC_HASDEFID) : 0;
    case WM_TIMER:
      if (shutDown_) return 0;
      for (const auto& t : timers_) {
        if (t->Id() == wParam && t->Enabled()) Invoke(t->OnTimer(), t.get());
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (auto brush = ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return *brush;
      }
      break;
    case WM_ACTIVATE:
      // Keep the focused control across deactivation, as a dialog does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ && IsWindow(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_HSCROLL:
      if (Control* control = ControlByHandle(reinterpret_cast<HWND>(lParam));
          control && control->Kind() == ControlKind::kTrackBar) {
        if (!shutDown_) Invoke(control->onClick, control);
        return 0;
      }
      break;
    case WM_CLOSE: {
      if (modal_) {
        // A modal form's close box cancels, unless the form keeps itself
        // open (or hides itself, which also ends the modal loop).
        bool close = true;
        Invoke([&](Component*) { close = FormCloseQuery(); }, nullptr);
        if (close) modalResult_ = kModalCancel;
        return 0;
      }
      // After the session's end, and when the system asks the program to
      // end (nobody may be there), the form has shut down: nothing is asked.
      bool close = shutDown_;
      if (!close) Invoke([&](Component*) { close = FormCloseQuery(); }, nullptr);
      if (close) DestroyWindow(hwnd_);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return TRUE;  // the session may end; the exit question is not asked
    case WM_ENDSESSION:
      // The system may end the process as soon as this returns, without
      // destroying the window: shut down now, and show no error, which would
      // wait for nobody while the system's few seconds run out.
      if (wParam) {
        SilenceErrorReports();
        sessionEnding = true;
        // The main form shuts down first: it releases the library before
        // any form writes its file.
        if (Form* main = FromHandle(mainWindow)) main->ShutDown();
        ShutDown();
        // The restart manager asks the program to end (an installer needs a
        // file it holds) while the session goes on: it ends as when its main
        // window is closed.
        if ((lParam & ENDSESSION_CLOSEAPP) && mainWindow) PostMessageW(mainWindow, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_DESTROY:
      ShutDown();
      if (mainForm_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      if (hwnd == mainWindow) mainWindow = nullptr;
      RemovePropW(hwnd, kFormProperty);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      if (tooltip_) tooltip_ = nullptr;  // destroyed with its owner
      hwnd_ = nullptr;
      menuBar_ = nullptr;  // destroyed with the window
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Form::SessionEnding() { return sessionEnding; }

void Form::ShutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  Invoke([this](Component*) { FormDestroy(); }, nullptr);
  for (const auto& t : timers_) t->SetEnabled(false);
}

}  // namespace ui
