#include "target/select_form_win.h"

#include <windowsx.h>

#include "status/translucency_win.h"
#include "target/select_settings.h"
#include "target/window_snapshot_win.h"
#include "ui/monitor_scaling_win.h"
#include "ui/settings_store_win.h"

namespace nolb {

TFormSelect* FormSelect = nullptr;

// The selection's window on a monitor other than the primary: everything
// it sees goes to the selection.
class SelectPane : public ui::Form {
 public:
  explicit SelectPane(TFormSelect& selection) : ui::Form(L"FormSelectPane"), selection_(selection) {}
  ~SelectPane() override {
    if (HWND hwnd = Handle()) DestroyWindow(hwnd);
  }

  void Create(const ui::FormDesc& desc) { Form::Create(desc, {}); }

 protected:
  void FormCreate() override { SetTranslucency(Handle(), true, 0); }
  // Closing a pane closes the selection.
  bool FormCloseQuery() override {
    selection_.Close();
    return false;
  }
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // A click leaves the keyboard with the selection's own window.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return selection_.WindowMessage(Handle(), message, wParam, lParam);
  }

 private:
  TFormSelect& selection_;
};

namespace {

struct ButtonEvent {
  MouseButton button;
  enum Kind { kDown, kUp, kDoubleClick } kind;
};

std::optional<ButtonEvent> ButtonEventOf(UINT message) {
  using B = MouseButton;
  using E = ButtonEvent;
  switch (message) {
    case WM_LBUTTONDOWN: return E{B::kLeft, E::kDown};
    case WM_MBUTTONDOWN: return E{B::kMiddle, E::kDown};
    case WM_RBUTTONDOWN: return E{B::kRight, E::kDown};
    case WM_LBUTTONUP: return E{B::kLeft, E::kUp};
    case WM_MBUTTONUP: return E{B::kMiddle, E::kUp};
    case WM_RBUTTONUP: return E{B::kRight, E::kUp};
    case WM_LBUTTONDBLCLK: return E{B::kLeft, E::kDoubleClick};
    case WM_MBUTTONDBLCLK: return E{B::kMiddle, E::kDoubleClick};
    case WM_RBUTTONDBLCLK: return E{B::kRight, E::kDoubleClick};
  }
  return std::nullopt;
}

BOOL CALLBACK PaintNow(HWND window, LPARAM) {
  UpdateWindow(window);
  return TRUE;
}

// The point of the mouse message being handled, in screen coordinates.
// Not the message's client point: the window holding the mouse during a
// drag may lie on a monitor of another scaling than the cursor.
Point MessagePoint() {
  const DWORD at = GetMessagePos();
  return {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
}

bool Held(int key) { return GetKeyState(key) < 0; }

// The mouse cursor over what a press would take: the cross, or over the
// rectangle adjusted the arrows that say how it moves.
const wchar_t* CursorOf(std::optional<Grip> grip) {
  switch (grip.value_or(Grip::kOutside)) {
    case Grip::kOutside: return IDC_CROSS;
    case Grip::kInside: return IDC_SIZEALL;
    case Grip::kLeft:
    case Grip::kRight: return IDC_SIZEWE;
    case Grip::kTop:
    case Grip::kBottom: return IDC_SIZENS;
    case Grip::kTopLeft:
    case Grip::kBottomRight: return IDC_SIZENWSE;
    default: return IDC_SIZENESW;
  }
}

ui::FormDesc WindowDesc(const WindowRect& monitor) {
  ui::FormDesc desc;
  desc.className = L"TFormSelect";
  desc.style = WS_POPUP;
  // No button on the task bar; layered from the start.
  desc.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
  desc.place = {monitor.left, monitor.top, monitor.width, monitor.height};
  desc.backgroundColor = ui::kNoBackground;
  return desc;
}

}  // namespace

TFormSelect::TFormSelect() : ui::Form(L"FormSelect") {}

TFormSelect::~TFormSelect() {
  if (FormSelect == this) FormSelect = nullptr;
  // The panes go first: their messages come here.
  views_.clear();
  panes_.clear();
  // Destroyed here, not by the base, so that FormDestroy still saves the section.
  if (HWND hwnd = Handle()) DestroyWindow(hwnd);
}

void TFormSelect::Create() {
  FormSelect = this;
  Form::Create(WindowDesc(ui::VirtualScreenRect()), {});
}

void TFormSelect::FormCreate() {
  SetTranslucency(Handle(), true, 0);
  ProfileSettingsStore store;
  magnifier_ = ReadSelectSettings(store).magnifier;
}

void TFormSelect::FormDestroy() {
  ProfileSettingsStore store;
  WriteSelectSettings(store, {.magnifier = magnifier_});
}

const ScreenSelection& TFormSelect::Select(SelectMode mode, Size size, const SelectionStart& start) {
  FormShow(mode, size, start);
  ShowModal();
  // The pictures are as large as the screens: not kept between uses.
  for (const auto& view : views_) view->Release();
  picture_.reset();
  return selection_;
}

void TFormSelect::FormShow(SelectMode mode, Size size, const SelectionStart& start) {
  std::vector<WindowRect> monitors;
  ui::ForEachMonitor([&](const MONITORINFOEXW& info) { monitors.push_back(ui::ToWindowRect(info.rcMonitor)); });
  const WindowRect screen = ui::VirtualScreenRect();
  if (monitors.empty()) monitors.push_back(screen);
  origin_ = {screen.left, screen.top};
  views_.clear();
  picture_.emplace(screen.width, screen.height);
  // The program's own windows finish their pending paints first, so that
  // the picture shows them as they are (the edits the desktop button filled).
  EnumThreadWindows(GetCurrentThreadId(), &PaintNow, 0);
  ui::CopyScreen(picture_->Dc(), {origin_.x, origin_.y}, kNothingShown);
  POINT cursor{};
  GetCursorPos(&cursor);
  selection_.Begin(mode, size.width, size.height, {cursor.x, cursor.y}, TakeWindowSnapshot(), start);

  while (panes_.size() + 1 < monitors.size()) {
    panes_.push_back(std::make_unique<SelectPane>(*this));
    panes_.back()->Create(WindowDesc(monitors[panes_.size()]));
  }
  panes_.resize(monitors.size() - 1);
  for (size_t i = 0; i < monitors.size(); ++i) {
    const WindowRect& m = monitors[i];
    HWND window = i == 0 ? Handle() : panes_[i - 1]->Handle();
    SetWindowPos(window, nullptr, m.left, m.top, m.width, m.height, SWP_NOZORDER | SWP_NOACTIVATE);
    views_.push_back(std::make_unique<SelectionView>(window, m));
    views_.back()->Prepare(*picture_, origin_, Font());
    InvalidateRect(window, nullptr, FALSE);
  }
  monitors_ = std::move(monitors);
  Refresh();
}

bool TFormSelect::FormCloseQuery() {
  FormClose();
  return false;
}

void TFormSelect::ReleaseMouse() {
  if (HWND captured = GetCapture(); captured && ViewOf(captured)) ReleaseCapture();
}

void TFormSelect::FormClose() {
  ReleaseMouse();
  SetTranslucency(Handle(), true, 0);
  Show(SW_HIDE);
}

void TFormSelect::ShowPanes(bool show) {
  for (const auto& pane : panes_) {
    if (!show) SetTranslucency(pane->Handle(), true, 0);
    ShowWindow(pane->Handle(), show ? SW_SHOWNA : SW_HIDE);
  }
}

void TFormSelect::FormDblClick(ui::Component*) { Close(); }

SelectionView* TFormSelect::ViewOf(HWND window) {
  for (const auto& view : views_) {
    if (view->Window() == window) return view.get();
  }
  return nullptr;
}

const SelectionView& TFormSelect::ViewAt(Point at) const { return *views_[MonitorAt(monitors_, at)]; }

void TFormSelect::Paint(HWND window) {
  SelectionView* view = ViewOf(window);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (view) view->Paint(dc, ps.rcPaint);
  EndPaint(window, &ps);
  if (view && view->FirstPaint()) {
    // The picture is up: in front of every topmost window, then opaque.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SetTranslucency(window, true, 255);
  }
}

void TFormSelect::Refresh() {
  if (views_.empty()) return;  // never shown yet
  const SelectionDecorations d = DecorationsOf(selection_, ViewAt(selection_.Cursor()), magnifier_);
  for (const auto& view : views_) view->Show(d);
}

void TFormSelect::MouseDown(HWND window, MouseButton button) {
  if (selection_.Press(button, MessagePoint())) {
    Close();
    return;
  }
  // A range drag keeps the mouse until its release, wherever that is.
  if (selection_.Dragging()) SetCapture(window);
  Refresh();
}

void TFormSelect::MouseUp() {
  if (selection_.Release(MessagePoint())) {
    Close();
  } else {
    // An adjusted rectangle let go: the mouse is free again.
    if (!selection_.Dragging()) ReleaseMouse();
    Refresh();
  }
}

void TFormSelect::StepCursor(std::int32_t dx, std::int32_t dy) {
  const std::int32_t step = Held(VK_SHIFT) ? 10 : 1;
  if (selection_.Mode() == SelectMode::kAdjust) {
    selection_.Nudge(dx * step, dy * step, Held(VK_CONTROL));
    return;
  }
  const Point to = selection_.Step(dx * step, dy * step, monitors_);
  SetCursorPos(to.x, to.y);
}

bool TFormSelect::KeyDown(WPARAM key, LPARAM flags) {
  const bool repeat = (flags & (1 << 30)) != 0;
  selection_.SetSnapping(Held(VK_CONTROL));
  selection_.SetRatioHeld(Held(VK_SHIFT));
  switch (key) {
    case VK_ESCAPE:
      // Closes without a selection, as the system's close command does.
      Close();
      return true;
    case VK_LEFT: StepCursor(-1, 0); break;
    case VK_RIGHT: StepCursor(1, 0); break;
    case VK_UP: StepCursor(0, -1); break;
    case VK_DOWN: StepCursor(0, 1); break;
    case VK_RETURN: {
      // Enter acts as the left button at the cursor, with Shift as the right one.
      if (repeat) return true;
      if (selection_.Enter(Held(VK_SHIFT), selection_.Cursor())) {
        Close();
        return true;
      }
      break;
    }
    case 'M':
      if (!repeat) magnifier_ = !magnifier_;
      break;
    case VK_CONTROL:
    case VK_SHIFT:
      break;
    default:
      return false;
  }
  Refresh();
  return true;
}

std::optional<LRESULT> TFormSelect::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The panes show and hide with this window.
  if (message == WM_SHOWWINDOW && lParam == 0) ShowPanes(wParam != FALSE);
  return WindowMessage(Handle(), message, wParam, lParam);
}

std::optional<LRESULT> TFormSelect::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (std::optional<ButtonEvent> event = ButtonEventOf(message)) {
    selection_.SetSnapping((wParam & MK_CONTROL) != 0);
    selection_.SetRatioHeld((wParam & MK_SHIFT) != 0);
    // A double click makes an adjusted rectangle the selection.
    if (event->kind == ButtonEvent::kDoubleClick && selection_.DoubleClick(event->button)) {
      Close();
      return 0;
    }
    if (event->kind == ButtonEvent::kUp) {
      MouseUp();
      return 0;
    }
    MouseDown(window, event->button);
    // The second press of a double click counts as a press, then closes.
    if (event->kind == ButtonEvent::kDoubleClick && Visible()) FormDblClick(this);
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      // The frozen picture covers the window: nothing is filled first.
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      SetCursor(LoadCursorW(nullptr, CursorOf(selection_.GripUnderCursor())));
      return TRUE;
    case WM_MOUSEMOVE:
      selection_.SetSnapping((wParam & MK_CONTROL) != 0);
      selection_.SetRatioHeld((wParam & MK_SHIFT) != 0);
      selection_.Move(MessagePoint());
      Refresh();
      return 0;
    case WM_GETDLGCODE:
      // The arrow keys, Enter and Esc come here as keys.
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (!KeyDown(wParam, lParam)) break;
      return 0;
    case WM_KEYUP:
      if (wParam == VK_CONTROL) {
        selection_.SetSnapping(false);
      } else if (wParam == VK_SHIFT) {
        selection_.SetRatioHeld(false);
      } else {
        break;
      }
      Refresh();
      return 0;
    case WM_COMMAND:
      // Esc, as the dialog keyboard handling reports it.
      if (LOWORD(wParam) != IDCANCEL) break;
      Close();
      return 0;
    case WM_ENDSESSION:
      // The session ends: the selection is cancelled, nothing is applied.
      if (wParam && Visible()) Close();
      break;
  }
  return std::nullopt;
}

}  // namespace nolb
