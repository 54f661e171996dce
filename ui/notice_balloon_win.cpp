#include "ui/notice_balloon_win.h"

#include <commctrl.h>

#include <string>

#include "ui/capture_exclusion_win.h"

namespace ui {
namespace {

constexpr UINT_PTR kHideTimerId = 1;
// The longest text a balloon shows in full, in pixels.
constexpr LPARAM kMaxTipWidth = 360;

POINT BalloonPoint(HWND owner) {
  RECT rect{};
  if (IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &rect)) {
    // The stem points at the caption, a little in from the left edge.
    return {rect.left + 40, rect.top + GetSystemMetrics(SM_CYCAPTION)};
  }
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
  return {rect.right - 24, rect.bottom - 4};
}

}  // namespace

NoticeBalloon::~NoticeBalloon() {
  // An owned window goes with its owner: it may be gone already.
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void NoticeBalloon::Show(HWND owner, std::wstring_view title, std::wstring_view text, NoticeKind kind) {
  Hide();
  if (!tooltip_ || owner_ != owner) {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
    owner_ = owner;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW,
                               nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_BALLOON,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    FollowCaptureExclusion(tooltip_, true);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = owner;
    info.uId = 1;
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  // The tooltip keeps pointers to neither string: both are copied here so
  // that they live while it is shown.
  title_.assign(title);
  text_.assign(text);
  SendMessageW(tooltip_, TTM_SETTITLEW, kind == NoticeKind::kWarning ? TTI_WARNING : TTI_INFO,
               reinterpret_cast<LPARAM>(title_.c_str()));
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = owner_;
  info.uId = 1;
  info.lpszText = text_.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  const POINT at = BalloonPoint(owner_);
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  SetTimer(tooltip_, kHideTimerId, kShownMs, &NoticeBalloon::HideTimer);
}

void NoticeBalloon::Hide() {
  if (!tooltip_) return;
  KillTimer(tooltip_, kHideTimerId);
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = owner_;
  info.uId = 1;
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

HWND NoticeBalloon::Shown() const { return tooltip_ && IsWindowVisible(tooltip_) ? tooltip_ : nullptr; }

void CALLBACK NoticeBalloon::HideTimer(HWND tooltip, UINT, UINT_PTR id, DWORD) {
  KillTimer(tooltip, id);
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = GetWindow(tooltip, GW_OWNER);
  info.uId = 1;
  SendMessageW(tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace ui
