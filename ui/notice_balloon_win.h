// A notice that does not block: a balloon with the program's title and one
// message, shown near a window without taking the focus or the foreground
// from the program the user works in, and gone by itself after a few
// seconds. A newer notice replaces the one shown.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

// What a notice tells: that something failed, or only what the program did.
enum class NoticeKind { kWarning, kInformation };

class NoticeBalloon {
 public:
  NoticeBalloon() = default;
  NoticeBalloon(const NoticeBalloon&) = delete;
  NoticeBalloon& operator=(const NoticeBalloon&) = delete;
  ~NoticeBalloon();

  // Shows text under the title bar of owner, or, when owner is hidden or
  // minimised, above the bottom right corner of the primary monitor's work
  // area (where the notification area is).
  void Show(HWND owner, std::wstring_view title, std::wstring_view text,
            NoticeKind kind = NoticeKind::kWarning);
  void Hide();
  // The balloon's window while it is shown, else none (for tests of the
  // program, which find it by its class and text).
  HWND Shown() const;

  // How long a notice stays.
  static constexpr UINT kShownMs = 6000;

 private:
  static void CALLBACK HideTimer(HWND tooltip, UINT, UINT_PTR, DWORD);

  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
  std::wstring text_;
  std::wstring title_;
};

}  // namespace ui
