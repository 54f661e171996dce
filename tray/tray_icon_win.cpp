#include "tray/tray_icon_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "base/error.h"
#include "ui/error_report_win.h"
#include "ui/monitor_scaling_win.h"
#include "ui/resource_ids.h"
#include "ui/text_win.h"
#include "ui/window_class_win.h"

namespace nolb {
namespace {

constexpr UINT_PTR kHostSubclassId = 41;
// Menu commands: a fixed item's is this plus its TrayCommand, a scene's the
// other base plus its index.
constexpr UINT kFirstCommand = 1;
constexpr UINT kFirstExtraItem = 1000;
// What the notification area keeps of a balloon's title and text.
constexpr std::size_t kBalloonTitleUnits = 63;
constexpr std::size_t kBalloonTextUnits = 255;

constexpr int kPictureIcons[] = {NOLB_TRAY_ICON_HOOKED, NOLB_TRAY_ICON_WAITING, NOLB_TRAY_ICON_OFF};

// Copies text into a fixed field of the icon's data; it fits already.
template <std::size_t N>
void CopyField(wchar_t (&field)[N], const std::wstring& text) {
  const std::size_t n = text.size() < N ? text.size() : N - 1;
  text.copy(field, n);
  field[n] = L'\0';
}

std::wstring Fitted(std::wstring_view text, std::size_t units) { return ui::Widen(FitUtf16Units(ui::Narrow(text), units)); }

// The side of the icon that the notification area draws, from the primary
// monitor's scaling.
int IconSideNow() {
  const auto monitors = ui::MonitorScalings();
  if (monitors.empty()) return TrayIconSide(0, 0);
  return TrayIconSide(monitors.front().logical.width, monitors.front().physical.width);
}

}  // namespace

TrayIcon::TrayIcon(TrayHost& host, const TrayStatus& status)
    : host_(host), hostWindow_(host.HostHandle()), status_(status) {
  ui::RegisterWindowClass(kTrayWindowClass, &TrayIcon::WindowProc);
  hwnd_ = CreateWindowExW(0, kTrayWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw Error("ウィンドウを作成できません");
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  // A panel run as administrator hears from the task bar of the user's
  // session, which runs at a lower integrity level, only what it lets
  // through: the task bar's new start and the icon's callback.
  ChangeWindowMessageFilterEx(hostWindow_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
  ChangeWindowMessageFilterEx(hwnd_, kTrayCallbackMessage, MSGFLT_ALLOW, nullptr);
  SetWindowSubclass(hostWindow_, &TrayIcon::HostSubclass, kHostSubclassId, reinterpret_cast<DWORD_PTR>(this));
  LoadIcons();
  Refresh(status);
  Add();
  // Started minimised (a shortcut's "最小化"): put away as a minimise is.
  if (IsIconic(hostWindow_) && host_.MinimisesToTray()) ShowWindow(hostWindow_, SW_HIDE);
}

TrayIcon::~TrayIcon() {
  Remove();
  DestroyWindow(hwnd_);
}

void TrayIcon::Remove() {
  if (removed_) return;
  removed_ = true;
  if (added_) {
    NOTIFYICONDATAW data = IconData();
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
  }
  if (IsWindow(hostWindow_)) RemoveWindowSubclass(hostWindow_, &TrayIcon::HostSubclass, kHostSubclassId);
}

NOTIFYICONDATAW TrayIcon::IconData() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = kTrayIconId;
  return data;
}

void TrayIcon::LoadIcons() {
  iconSide_ = IconSideNow();
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    icons_[i].Reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPictureIcons[i]),
                                                  IMAGE_ICON, iconSide_, iconSide_, 0)));
  }
}

void TrayIcon::Add() {
  if (removed_) return;
  NOTIFYICONDATAW data = IconData();
  const TrayPicture picture = TrayPictureFor(status_.redirectionOn, status_.hooked);
  const std::wstring tip = ui::Widen(TrayTooltip(status_));
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icons_[static_cast<std::size_t>(picture)].Get();
  CopyField(data.szTip, tip);
  added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  if (!added_) return;
  data.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &data);
  shownPicture_ = picture;
  shownTip_ = tip;
}

void TrayIcon::Refresh(const TrayStatus& status) {
  status_ = status;
  std::wstring tip = ui::Widen(TrayTooltip(status));
  if (tip != windowText_) {
    // What the icon tells, for automation and tests: its window's text.
    SetWindowTextW(hwnd_, tip.c_str());
    windowText_ = tip;
  }
  if (!added_) return;
  NOTIFYICONDATAW data = IconData();
  const TrayPicture picture = TrayPictureFor(status.redirectionOn, status.hooked);
  if (picture != shownPicture_) {
    data.uFlags |= NIF_ICON;
    data.hIcon = icons_[static_cast<std::size_t>(picture)].Get();
  }
  if (tip != shownTip_) {
    data.uFlags |= NIF_TIP;
    CopyField(data.szTip, tip);
  }
  if (data.uFlags == 0) return;
  // A version-4 icon shows the standard tooltip only when asked to: each
  // change asks again, so that none turns it off.
  data.uFlags |= NIF_SHOWTIP;
  if (!Shell_NotifyIconW(NIM_MODIFY, &data)) return;
  shownPicture_ = picture;
  shownTip_ = std::move(tip);
}

bool TrayIcon::ShowBalloon(std::wstring_view title, std::wstring_view text, ui::NoticeKind kind) {
  if (!added_) return false;
  NOTIFYICONDATAW data = IconData();
  data.uFlags = NIF_INFO | NIF_SHOWTIP;
  CopyField(data.szInfoTitle, Fitted(title, kBalloonTitleUnits));
  CopyField(data.szInfo, Fitted(text, kBalloonTextUnits));
  // No sound: the panel runs beside a stream.
  data.dwInfoFlags = (kind == ui::NoticeKind::kWarning ? NIIF_WARNING : NIIF_INFO) | NIIF_NOSOUND;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

LRESULT CALLBACK TrayIcon::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TrayIcon*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message != kTrayCallbackMessage || !self) return DefWindowProcW(hwnd, message, wParam, lParam);
  // Version 4: the event and the icon in lParam, the icon's point in wParam.
  if (HIWORD(lParam) == kTrayIconId && !self->removed_ && !self->host_.HostShutDownBegun()) {
    const POINT at{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
    ui::ReportingErrors(self->hostWindow_, [&] { self->OnCallback(LOWORD(lParam), at); });
  }
  return 0;
}

LRESULT CALLBACK TrayIcon::HostSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) noexcept {
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  auto* self = reinterpret_cast<TrayIcon*>(data);
  ui::ReportingErrors(hwnd, [&] { self->OnHostMessage(message, wParam); });
  return result;
}

void TrayIcon::OnHostMessage(UINT message, WPARAM wParam) {
  if (message == taskbarCreated_) {
    // A new task bar holds no icon; one that was only told again (a change
    // of scaling) still holds it: removed first, so the add never fails
    // for that.
    LoadIcons();
    NOTIFYICONDATAW data = IconData();
    Shell_NotifyIconW(NIM_DELETE, &data);
    Add();
  } else if (message == WM_DISPLAYCHANGE) {
    if (IconSideNow() == iconSide_) return;
    LoadIcons();
    shownPicture_.reset();
    Refresh(status_);
  } else if (message == WM_SIZE && wParam == SIZE_MINIMIZED) {
    // Minimised, the window goes out of the task bar into the notification
    // area, when the user chose so.
    if (host_.MinimisesToTray() && added_) ShowWindow(hostWindow_, SW_HIDE);
  } else if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
    hostDeactivated_ = GetTickCount64();
  }
}

void TrayIcon::OnCallback(UINT event, POINT at) {
  switch (event) {
    case WM_CONTEXTMENU:
      ShowMenu(at);
      break;
    case NIN_SELECT:
    case NIN_KEYSELECT:
      Select();
      break;
    case NIN_BALLOONUSERCLICK:
      ShowHostInFront();
      break;
    default:
      break;
  }
}

void TrayIcon::Select() {
  const ULONGLONG now = GetTickCount64();
  MainWindowView view;
  view.shown = IsWindowVisible(hostWindow_) != FALSE;
  view.minimised = IsIconic(hostWindow_) != FALSE;
  view.foreground = GetForegroundWindow() == hostWindow_;
  if (hostDeactivated_) view.sinceDeactivatedMs = now - *hostDeactivated_;
  std::optional<std::uint64_t> sinceLast;
  if (lastSelect_) sinceLast = now - *lastSelect_;
  const TraySelectAction action = ActionOnSelect(view, sinceLast, GetDoubleClickTime());
  if (action == TraySelectAction::kNone) return;
  lastSelect_ = now;
  if (action == TraySelectAction::kShowInFront) {
    ShowHostInFront();
  } else {
    ShowWindow(hostWindow_, SW_MINIMIZE);
  }
}

void TrayIcon::ShowHostInFront() {
  // Where it was: a minimised window is restored to its place.
  ShowWindow(hostWindow_, IsIconic(hostWindow_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hostWindow_);
}

void TrayIcon::ShowMenu(POINT at) {
  const TrayPanelState panel = host_.TrayPanelNow();
  const std::vector<TrayExtraItem> scenes = host_.TraySceneItems();
  ui::PopupMenu menu(CreatePopupMenu());
  if (!menu) return;
  for (const TrayMenuEntry& entry : TrayMenuEntries(panel)) {
    if (entry.command == TrayCommand::kSeparator) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    } else if (entry.command == TrayCommand::kSceneSlot) {
      for (std::size_t i = 0; i < scenes.size(); ++i) {
        const UINT flags = MF_STRING | (scenes[i].checked ? MF_CHECKED : 0) | (scenes[i].enabled ? 0 : MF_GRAYED);
        AppendMenuW(menu.Get(), flags, kFirstExtraItem + i, scenes[i].caption.c_str());
      }
      if (!scenes.empty()) AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    } else {
      const UINT id = kFirstCommand + static_cast<UINT>(entry.command);
      const UINT flags = MF_STRING | (entry.checked ? MF_CHECKED : 0) | (entry.enabled ? 0 : MF_GRAYED);
      AppendMenuW(menu.Get(), flags, id, entry.caption);
      if (entry.isDefault) SetMenuDefaultItem(menu.Get(), id, FALSE);
    }
  }
  // The menu closes when the user clicks elsewhere only if a window of its
  // thread is in front.
  SetForegroundWindow(hostWindow_);
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      menu.Get(), align | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, hostWindow_,
      nullptr));
  PostMessageW(hostWindow_, WM_NULL, 0, 0);
  // The panel may have begun to end while the menu was open.
  if (removed_ || host_.HostShutDownBegun()) return;
  if (chosen == 0) {
    // Cancelled: the keyboard's focus goes back to the notification area.
    NOTIFYICONDATAW data = IconData();
    Shell_NotifyIconW(NIM_SETFOCUS, &data);
    return;
  }
  if (chosen >= kFirstExtraItem) {
    const std::size_t index = chosen - kFirstExtraItem;
    if (index < scenes.size() && scenes[index].choose) scenes[index].choose();
    return;
  }
  const auto command = static_cast<TrayCommand>(chosen - kFirstCommand);
  if (command == TrayCommand::kShowPanel) {
    ShowHostInFront();
  } else if (command == TrayCommand::kExit) {
    // As the close box: the question comes while the hook works. Posted,
    // since the close destroys this window.
    PostMessageW(hostWindow_, WM_CLOSE, 0, 0);
  } else {
    host_.RunTrayCommand(command);
  }
}

}  // namespace nolb
