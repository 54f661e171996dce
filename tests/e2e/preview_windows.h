// The preview window and the two small dialogs as a test sees them: the
// preview is the top-level window of class "TFormPreview", the dialogs those
// of class "TFormPreviewSettings" and "TFormAlphaSettings" while shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness/e2e.h"

namespace e2e {

inline constexpr wchar_t kPreviewClass[] = L"TFormPreview";
inline constexpr wchar_t kPreviewSettingsClass[] = L"TFormPreviewSettings";
inline constexpr wchar_t kAlphaSettingsClass[] = L"TFormAlphaSettings";

// The shown top-level window of a class, if any.
inline std::optional<Window> ShownWindowOfClass(const Panel& panel, const wchar_t* className) {
  for (const auto& window : panel.TopLevelWindows()) {
    if (window.ClassName() == className && window.Visible()) return window;
  }
  return std::nullopt;
}

inline Window WaitForShown(const Panel& panel, const wchar_t* className) {
  std::optional<Window> found;
  if (!WaitUntil([&] { return (found = ShownWindowOfClass(panel, className)).has_value(); })) {
    throw HarnessError("no shown window of class " + Utf8(className));
  }
  return *found;
}

// The preview window, shown or not.
inline Window PreviewWindow(const Panel& panel) {
  for (const auto& window : panel.TopLevelWindows()) {
    if (window.ClassName() == kPreviewClass) return window;
  }
  throw HarnessError("the panel has no preview window");
}

inline Window PreviewPicture(const Panel& panel) { return *PreviewWindow(panel).Find("PanelPreview"); }

// "プレビュー": shows the preview when hidden, closes it when shown.
inline Window TogglePreview(const Panel& panel, bool shown) {
  panel.Control("ButtonPreview").Click();
  Window preview = PreviewWindow(panel);
  if (!WaitUntil([&] { return preview.Visible() == shown; })) {
    throw HarnessError(std::string("the preview is not ") + (shown ? "shown" : "closed"));
  }
  return preview;
}

// Chooses an item of the picture's popup menu by its underlined letter.
inline void ChoosePreviewMenuItem(const Panel& panel, char itemKey) {
  Window preview = PreviewWindow(panel);
  BringToFront(preview);
  // The picture's first pixel, or the frame when the picture has no size.
  RECT r = preview.Rect();
  input::Click({r.left + 1, r.top + 1}, input::Button::Right);
  auto menuShown = [] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
  };
  if (!WaitUntil(menuShown)) throw HarnessError("the preview's popup menu does not open");
  input::Press(static_cast<WORD>(itemKey));
}

// A window's constant opacity; 255 when it is not translucent.
inline int Opacity(const Window& window) {
  if (!(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED)) return 255;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) {
    return 255;
  }
  return alpha;
}

// Moves the opacity dialog's track bar as the user does.
inline void MoveTrackBar(const Window& dialog, int position) {
  Window bar = *dialog.Find("TrackBarAlpha");
  bar.Send(TBM_SETPOS, TRUE, position);
  dialog.Post(WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(bar.Handle()));
}

inline SIZE WindowSize(const Window& window) {
  RECT r = window.Rect();
  return {r.right - r.left, r.bottom - r.top};
}

inline std::vector<Call> Frames(const std::vector<Call>& calls) { return Named(calls, "NOLB_BitBlt"); }

// Every NOLB_BitBlt of the calls came after an NOLB_BitBltInit and before
// the NOLB_BitBltUninit that follows it.
inline ::testing::AssertionResult FramesOnlyWhileDrawingBegun(const std::vector<Call>& calls) {
  bool begun = false;
  for (const auto& call : calls) {
    if (call.function == "NOLB_BitBltInit") begun = true;
    if (call.function == "NOLB_BitBltUninit") begun = false;
    if (call.function == "NOLB_BitBlt" && !begun) {
      return ::testing::AssertionFailure() << "a frame outside BitBltInit ... BitBltUninit: " << call.ToString();
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace e2e
