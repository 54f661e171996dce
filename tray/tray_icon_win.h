// The icon in the notification area: its picture and tooltip follow the
// state of the redirection, its menu holds the main window's common
// commands, a click brings the main window forward or puts it away, and its
// balloon carries the notices that need no answer.
//
// The icon belongs to a message-only window of class "NOLB_Tray", whose
// callback message is kTrayCallbackMessage with the meaning of
// NOTIFYICON_VERSION_4: the event in the low word of lParam, the point of
// the icon (screen coordinates) in wParam. The window's text is the
// icon's tooltip. The main window is watched for
// what only a top-level window hears: "TaskbarCreated" (the task bar made
// again, after Explorer restarted: the icon is added again), a change of
// the display (the icon's size) and minimising (put away into the
// notification area when the user chose so).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tray/tray_host_win.h"
#include "tray/tray_status.h"
#include "ui/handles_win.h"
#include "ui/notice_balloon_win.h"

namespace nolb {

inline constexpr wchar_t kTrayWindowClass[] = L"NOLB_Tray";
// The message comes to the icon's own window; the main window's private
// messages (ui/messages_win.h) are another window's.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

class TrayIcon {
 public:
  // Makes the window and adds the icon with the state; an icon that cannot
  // be added now (no task bar yet) is added when the task bar comes.
  TrayIcon(TrayHost& host, const TrayStatus& status);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // The state now: the picture is replaced only when it changes, the
  // tooltip only when its text does.
  void Refresh(const TrayStatus& status);

  // A notice in the icon's balloon. False when there is no icon to carry it.
  bool ShowBalloon(std::wstring_view title, std::wstring_view text, ui::NoticeKind kind);

  // Removes the icon for good, at the panel's end: nothing of it stays in
  // the notification area, and a new task bar gets none. The window goes
  // with the object, which may be handling the icon's message right now
  // (its menu is open while the session ends).
  void Remove();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK HostSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data) noexcept;
  void OnHostMessage(UINT message, WPARAM wParam);
  void OnCallback(UINT event, POINT at);
  NOTIFYICONDATAW IconData() const;
  // NIM_ADD with the picture and tooltip of the last state, then the
  // version-4 behaviour.
  void Add();
  void LoadIcons();
  void ShowMenu(POINT at);
  void Select();
  void ShowHostInFront();

  TrayHost& host_;
  HWND hwnd_ = nullptr;
  HWND hostWindow_ = nullptr;
  UINT taskbarCreated_ = 0;
  int iconSide_ = 0;
  // By TrayPicture.
  std::array<ui::Icon, 3> icons_;
  bool added_ = false;
  bool removed_ = false;
  TrayStatus status_;
  std::wstring shownTip_;
  std::wstring windowText_;
  std::optional<TrayPicture> shownPicture_;
  std::optional<ULONGLONG> lastSelect_;
  std::optional<ULONGLONG> hostDeactivated_;
};

}  // namespace nolb
