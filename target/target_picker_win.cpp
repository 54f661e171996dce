// Choosing the target window: dragging from PanelDrag onto any window,
// taking a given one, walking to the parent, or going back to the desktop.
#include <windows.h>

#include "app/main_form_win.h"
#include "target/picker_frame.h"
#include "ui/handles_win.h"
#include "ui/monitor_scaling_win.h"

namespace nolb {
namespace {

constexpr wchar_t kIdleCaption[] = L"Drag here.";
constexpr wchar_t kSearchingCaption[] = L"Searching...";
constexpr COLORREF kSearchingColor = RGB(255, 0, 0);

}  // namespace

void TMainForm::ApplicationEventsMessage(const MSG& msg) {
  // A quick second press arrives as a double-click; it is a press all the same.
  const bool press = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
                     msg.message == WM_LBUTTONDBLCLK || msg.message == WM_RBUTTONDBLCLK;
  const bool release = msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP;
  if (!press && !release) return;
  if (msg.hwnd != Find(L"PanelDrag").Handle() || ShutDownBegun()) return;
  if (press) {
    BeginDrag();
  } else {
    // A left release applies; a right release only fills in the values.
    EndDrag(msg.message == WM_LBUTTONUP);
  }
}

bool TMainForm::Dragging() const { return TimerNamed(L"TimerGetHandle").Enabled(); }

void TMainForm::BeginDrag() {
  // A second button pressed during a drag changes nothing.
  if (Dragging()) return;
  CancelReacquire();
  ui::Control& panel = Find(L"PanelDrag");
  highlightedWindow_ = 0;
  TimerNamed(L"TimerGetHandle").SetEnabled(true);
  panel.SetText(kSearchingCaption);
  panel.SetColor(kSearchingColor);
  SetCapture(panel.Handle());
}

void TMainForm::EndDrag(bool apply) {
  // A release that reaches the panel outside a drag changes nothing.
  if (!Dragging()) return;
  ui::Control& panel = Find(L"PanelDrag");
  TimerNamed(L"TimerGetHandle").SetEnabled(false);
  panel.SetText(kIdleCaption);
  panel.SetSystemColor(COLOR_BTNFACE);
  // Releasing the capture reports its loss, which finds the drag ended.
  if (GetCapture() == panel.Handle()) ReleaseCapture();
  if (highlightedWindow_) InvertWindowFrame(highlightedWindow_);
  highlightedWindow_ = 0;
  FinishTargetChoice(apply);
}

void TMainForm::FinishTargetChoice(bool apply) {
  if (apply) Invoke(On<TMainForm>(&TMainForm::ButtonApplyClick), nullptr);
  FocusApply();
}

bool TMainForm::TakeWindow(WindowId window, bool apply) {
  std::optional<TargetView> view = nolb::TakeWindow(state_, windows_, window);
  if (!view) return false;
  // A choice of target, as the drag's: a wait for a lost one ends.
  CancelReacquire();
  ShowTargetView(*view);
  FinishTargetChoice(apply);
  return true;
}

void TMainForm::TimerGetHandleTimer(ui::Component* sender) {
  // The window-grab hotkey is a choice of target as the drag is.
  CancelReacquire();
  PickResult picked = PickWindowUnderCursor(state_, windows_);
  if (!picked.picked) {
    // No window there: the desktop, as the desktop button without applying.
    ShowTargetView(picked.view);
    FocusApply();
    return;
  }
  // Only the drag's own ticks frame the window; the window-grab hotkey does not.
  if (sender && picked.view.target != highlightedWindow_) {
    if (highlightedWindow_) InvertWindowFrame(highlightedWindow_);
    InvertWindowFrame(picked.view.target);
    highlightedWindow_ = picked.view.target;
  }
  ShowTargetView(picked.view);
}

void TMainForm::ButtonDesktopClick(ui::Component* sender) {
  // Clicked, it is the user's choice; called from code (the watch's
  // fallback among them), it leaves a wait for a lost target alone.
  if (sender) CancelReacquire();
  ShowTargetView(SelectDesktop(state_, windows_));
  FocusApply();
  if (sender) ButtonApplyClick(nullptr);
}

void TMainForm::ButtonParentClick(ui::Component*) {
  CancelReacquire();
  if (auto parent = SelectParent(state_, windows_)) ShowTargetView(*parent);
  FocusApply();
}

void TMainForm::InvertWindowFrame(WindowId window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (!hwnd || !IsWindow(hwnd)) return;
  // A window that dies meanwhile gives no rectangle, and no frame is drawn.
  RECT r{};
  if (!GetClientRect(hwnd, &r) || !ClientToScreen(hwnd, reinterpret_cast<POINT*>(&r.left)) ||
      !ClientToScreen(hwnd, reinterpret_cast<POINT*>(&r.right))) {
    return;
  }
  const std::vector<WindowRect> bands = PickerFrameBands(ui::MonitorScalings(), ui::ToWindowRect(r));
  if (bands.empty()) return;
  ui::WindowDc screen(nullptr);
  if (!screen) return;
  for (const WindowRect& b : bands) PatBlt(screen.Get(), b.left, b.top, b.width, b.height, DSTINVERT);
}

}  // namespace nolb
