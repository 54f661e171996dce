#include "preview/preview_form_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/integer_text.h"
#include "preview/frame_rate.h"
#include "preview/preview_geometry.h"
#include "preview/preview_settings.h"
#include "preview/preview_settings_dialog_win.h"
#include "ui/error_report_win.h"
#include "ui/handles_win.h"
#include "ui/settings_store_win.h"
#include "ui/window_placement_win.h"

namespace nolb {

TFormPreview* FormPreview = nullptr;

namespace {

constexpr COLORREF kFrameColor = RGB(128, 128, 128);
constexpr COLORREF kPictureColor = RGB(0, 0, 0);
constexpr int kFrameWidth = 1;
// Whatever picture size is asked for, the window stays between its bare
// frame (so that it can still be found and right-clicked) and a size the
// window system handles.
constexpr std::int32_t kLargestWindowSide = 32767;

int WindowSide(std::int32_t side) { return std::clamp(side, 2 * kFrameWidth, kLargestWindowSide); }
int PictureSide(std::int32_t side) { return std::clamp(side, 0, kLargestWindowSide - 2 * kFrameWidth); }

// Where the cursor was when the mouse message being handled was made, in
// screen pixels. (The cursor may have gone on since, when the program lags
// behind the mouse.)
POINT MessageCursorPos() {
  DWORD pos = GetMessagePos();
  return {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
}

POINT ContextMenuPoint(HWND window, LPARAM lParam) {
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {  // from the keyboard: the window's corner
    at = {0, 0};
    ClientToScreen(window, &at);
  }
  return at;
}

}  // namespace

TFormPreview::TFormPreview(NolbLibrary& library, PreviewHost& host)
    : ui::Form(L"FormPreview"), library_(library), host_(host) {}

TFormPreview::~TFormPreview() {
  // Destroyed here, not by the base, so that FormDestroy still runs.
  if (Handle()) DestroyWindow(Handle());
  if (FormPreview == this) FormPreview = nullptr;
}

void TFormPreview::Create(HWND owner) {
  FormPreview = this;
  ui::FormDesc desc;
  desc.className = L"TFormPreview";
  desc.caption = L"Preview";
  desc.style = WS_POPUP | WS_CLIPCHILDREN;
  desc.place = {32, 32, 322, 242};
  desc.owner = owner;
  Form::Create(desc, {
      {.name = L"PanelPreview", .kind = ui::ControlKind::kPanel,
       .place = {kFrameWidth, kFrameWidth, 320, 240}, .flags = ui::kNoBevel},
  });
}

void TFormPreview::FormCreate() {
  auto on = [this](void (TFormPreview::*method)(ui::Component*)) { return On<TFormPreview>(method); };
  // Items in menu order; the first is the default (bold) item.
  popupMenu_ = AddPopupMenu({
      {.name = L"O1", .caption = L"設定(&O)", .click = on(&TFormPreview::O1Click), .isDefault = true},
      {.name = L"L1", .caption = L"半透明化(&L)", .autoCheck = true, .click = on(&TFormPreview::L1Click)},
      {.name = L"N2"},
      {.name = L"S1", .caption = L"メインウィンドウ表示・非表示(&S)", .click = on(&TFormPreview::S1Click)},
      {.name = L"N1"},
      {.name = L"X1", .caption = L"閉じる(&X)", .click = on(&TFormPreview::X1Click)},
  });
  ui::Control& panel = Find(L"PanelPreview");
  panel.SetColor(kPictureColor);
  panelWindow_ = panel.Handle();
  SetWindowSubclass(panelWindow_, &TFormPreview::PanelSubclass, 1, reinterpret_cast<DWORD_PTR>(this));

  PreviewSettings settings;
  {
    ProfileSettingsStore store;
    settings = ReadPreviewSettings(store);
  }
  frameRateIndex_ = settings.frameRate;
  translucency_.Restore(Handle(), settings.alphaBlend, settings.alphaBlendValue);
  Menu(L"L1").SetChecked(translucency_.On());
  SetPreviewSize(settings.pictureWidth, settings.pictureHeight);
  // A place off every monitor (one unplugged since) moves onto the nearest.
  ui::Place size = Bounds();
  ui::Place place = ui::PlaceOnMonitor({settings.left, settings.top, size.width, size.height});
  SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame timer starts when the window is shown.
}

void TFormPreview::FormDestroy() {
  frameTimer_.StopAndWait();
  {
    std::lock_guard lock(frameLock_);
    drawing_ = false;
  }
  ui::Place bounds = Bounds();
  PreviewSettings settings;
  settings.top = bounds.top;
  settings.left = bounds.left;
  settings.pictureWidth = panelWidth_;
  settings.pictureHeight = panelHeight_;
  settings.frameRate = frameRateIndex_;
  settings.alphaBlend = translucency_.On();
  settings.alphaBlendValue = translucency_.Opacity();
  ProfileSettingsStore store;
  WritePreviewSettings(store, settings);
}

void TFormPreview::SetPreviewSize(std::int32_t width, std::int32_t height) {
  PixelSize outer = PreviewWindowSize(width, height);
  MoveWindow(panelWindow_, kFrameWidth, kFrameWidth, PictureSide(width), PictureSide(height), TRUE);
  SetWindowPos(Handle(), nullptr, 0, 0, WindowSide(outer.width), WindowSide(outer.height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  std::lock_guard lock(frameLock_);
  panelWidth_ = width;
  panelHeight_ = height;
}

void TFormPreview::SetFrameRate(std::int32_t index) {
  frameRateIndex_ = index;
  if (Visible()) frameTimer_.Start(FrameRatePeriod(index), &TFormPreview::DrawPreviewFrame, 0);
}

void TFormPreview::DrawPreviewFrame(std::uint32_t) {
  if (TFormPreview* form = FormPreview) form->DrawFrame();
}

void TFormPreview::DrawFrame() {
  std::lock_guard lock(frameLock_);
  if (!drawing_) return;
  surface_.Prepare(panelWindow_, panelWidth_, panelHeight_);
  // A surface that could not be built is tried again at the next tick.
  if (surface_.Empty()) return;
  library_.BitBlt(surface_.MemoryDc(), surface_.Width(), surface_.Height());
  ui::WindowDc panel(panelWindow_);
  if (panel) BitBlt(panel.Get(), 0, 0, panelWidth_, panelHeight_, surface_.MemoryDc(), 0, 0, SRCCOPY);
}

void TFormPreview::ShowPreview() {
  if (Visible()) return;
  if (Invoke([this](ui::Component*) { FormShow(); }, nullptr)) ShowWindow(Handle(), SW_SHOW);
}

void TFormPreview::FormShow() {
  {
    std::lock_guard lock(frameLock_);
    library_.BitBltInit();
    drawing_ = true;
  }
  host_.EnableHideButton(true);
  frameTimer_.Start(FrameRatePeriod(frameRateIndex_), &TFormPreview::DrawPreviewFrame, 0);
}

bool TFormPreview::FormCloseQuery() {
  // The main window never stays hidden without the preview to bring it back.
  if (!host_.MainWindowShown()) host_.ShowMainWindow();
  return true;
}

void TFormPreview::FormClose() {
  EndLibraryDrawing();
  host_.EnableHideButton(false);
  // A hidden preview wakes nothing.
  frameTimer_.Stop();
}

void TFormPreview::EndLibraryDrawing() {
  std::lock_guard lock(frameLock_);
  // Once only: the main window's shut-down may have ended it already.
  if (drawing_) library_.BitBltUninit();
  drawing_ = false;
  surface_.Release();
}

void TFormPreview::EndDrawing() {
  frameTimer_.StopAndWait();
  EndLibraryDrawing();
}

std::optional<LRESULT> TFormPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CONTEXTMENU:
      // Also on the frame: a picture of no size leaves nothing else to click.
      ShowPopupMenu(popupMenu_, ContextMenuPoint(Handle(), lParam));
      return 0;
    case WM_CLOSE:
      // Closing hides the window; it lives until the program ends.
      if (Visible()) {
        bool close = false;
        Invoke([&](ui::Component*) { close = FormCloseQuery(); }, nullptr);
        if (close) {
          Invoke([this](ui::Component*) { FormClose(); }, nullptr);
          ShowWindow(Handle(), SW_HIDE);
        }
      }
      return 0;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(Handle(), &r);
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, kFrameColor);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
      return 1;
    }
    case WM_DISPLAYCHANGE: {
      // A new display format: the surface is rebuilt for it, shown or not.
      std::lock_guard lock(frameLock_);
      surface_.Release();
      surface_.Prepare(panelWindow_, panelWidth_, panelHeight_);
      break;
    }
  }
  return std::nullopt;
}

LRESULT CALLBACK TFormPreview::PanelSubclass(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept {
  auto* form = reinterpret_cast<TFormPreview*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &TFormPreview::PanelSubclass, 1);
  } else if (message == WM_CONTEXTMENU || (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) ||
             message == WM_CAPTURECHANGED) {
    ui::ReportingErrors(form->Handle(), [&] { form->OnPanelMessage(hwnd, message, lParam); });
    if (message == WM_CONTEXTMENU) return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void TFormPreview::OnPanelMessage(HWND panel, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(panel);
      FormMouseDown();
      break;
    case WM_LBUTTONDBLCLK:
      // The double-click comes before the mouse-down of the same press.
      PanelPreviewDblClick(&Find(L"PanelPreview"));
      FormMouseDown();
      break;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      FormMouseDown();
      break;
    case WM_MOUSEMOVE:
      FormMouseMove();
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      // The window ends where the button was released.
      FormMouseMove();
      FormMouseUp();
      if (GetCapture() == panel) ReleaseCapture();
      break;
    case WM_CAPTURECHANGED:
      // A drag ends with the capture, however it is lost.
      dragging_ = false;
      break;
    case WM_CONTEXTMENU:
      ShowPopupMenu(popupMenu_, ContextMenuPoint(panel, lParam));
      break;
  }
}

void TFormPreview::FormMouseDown() {
  POINT cursor = MessageCursorPos();
  if (doubleClickPending_) {
    doubleClickPending_ = false;
  } else {
    dragging_ = true;
  }
  ui::Place bounds = Bounds();
  dragWindowOrigin_ = {bounds.left, bounds.top};
  dragCursorOrigin_ = cursor;
}

void TFormPreview::FormMouseMove() {
  POINT cursor = MessageCursorPos();
  if (!dragging_) return;
  SetWindowPos(Handle(), nullptr, dragWindowOrigin_.x + (cursor.x - dragCursorOrigin_.x),
               dragWindowOrigin_.y + (cursor.y - dragCursorOrigin_.y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormPreview::FormMouseUp() {
  dragging_ = false;
  doubleClickPending_ = false;
}

void TFormPreview::PanelPreviewDblClick(ui::Component* sender) {
  doubleClickPending_ = true;
  O1Click(sender);
}

void TFormPreview::O1Click(ui::Component*) {
  TFormPreviewSettings dialog(Handle());
  dialog.Find(L"EditWidth").SetTextUtf8(IntegerText(panelWidth_));
  dialog.Find(L"EditHeight").SetTextUtf8(IntegerText(panelHeight_));
  ui::Control& rates = dialog.Find(L"ComboBoxRefresh");
  rates.SetItemIndex(frameRateIndex_);
  if (dialog.ShowModal() != ui::kModalOk) return;
  std::int32_t height = ToInteger(dialog.Find(L"EditHeight").TextUtf8());
  std::int32_t width = ToInteger(dialog.Find(L"EditWidth").TextUtf8());
  SetPreviewSize(width, height);
  // Restarted even when the rate is the same.
  SetFrameRate(rates.ItemIndex());
}

void TFormPreview::L1Click(ui::Component*) { translucency_.Toggle(Menu(L"L1").Checked()); }

void TFormPreview::S1Click(ui::Component*) {
  if (host_.MainWindowShown()) {
    host_.ButtonHideClick(nullptr);
  } else {
    host_.ShowMainWindow();
  }
}

void TFormPreview::X1Click(ui::Component*) { Close(); }

}  // namespace nolb
