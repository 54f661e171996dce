// The preview window: a small borderless window with a 1-pixel gray frame
// around a black picture, which shows live what the capture hook library
// delivers to the encoder. Each frame the library draws into an off-screen
// surface on the frame timer's worker thread, and the surface is copied onto
// the picture. The user drags the window with any mouse button and sets it
// up from the picture's popup menu or a double-click.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <optional>

#include "hook/nolb_library_win.h"
#include "preview/draw_buffer_win.h"
#include "preview/mm_timer_win.h"
#include "preview/preview_host_win.h"
#include "status/translucency_win.h"
#include "ui/form_win.h"

namespace nolb {

class TFormPreview : public ui::Form {
 public:
  TFormPreview(NolbLibrary& library, PreviewHost& host);
  ~TFormPreview() override;

  // Makes the hidden window, owned by owner, and runs FormCreate.
  void Create(HWND owner);

  // Shows the window: FormShow, then the window appears.
  void ShowPreview();

  // The picture becomes width × height, the window 2 pixels more each way.
  void SetPreviewSize(std::int32_t width, std::int32_t height);
  // The frame rate becomes that of a frame-rate list index; a shown
  // preview restarts its frame timer at the new period. The timer runs
  // only while the preview is shown.
  void SetFrameRate(std::int32_t index);
  // The frame timer's callback: draws one frame while the window is shown.
  static void DrawPreviewFrame(std::uint32_t userValue);

  void FormShow();
  void FormClose();
  // The main window's shut-down, before it releases the library: no frame
  // is drawn from now on, and the library's preview drawing, if begun, ends.
  void EndDrawing();
  void FormMouseDown();
  void FormMouseMove();
  void FormMouseUp();
  void PanelPreviewDblClick(ui::Component* sender);
  void O1Click(ui::Component* sender);
  void L1Click(ui::Component* sender);
  void S1Click(ui::Component* sender);
  void X1Click(ui::Component* sender);

 protected:
  void FormCreate() override;
  bool FormCloseQuery() override;
  void FormDestroy() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawFrame();
  // NOLB_BitBltUninit if the drawing had begun; the surface is released.
  void EndLibraryDrawing();
  // The picture's mouse, double-clicks and context menu.
  static LRESULT CALLBACK PanelSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data) noexcept;
  void OnPanelMessage(HWND panel, UINT message, LPARAM lParam);

  NolbLibrary& library_;
  PreviewHost& host_;
  HMENU popupMenu_ = nullptr;
  Translucency translucency_;
  std::int32_t frameRateIndex_ = 0;

  // Drag to move: screen pixels at the last mouse-down.
  bool dragging_ = false;
  bool doubleClickPending_ = false;
  POINT dragWindowOrigin_{};
  POINT dragCursorOrigin_{};

  // The surface and what the frame tick reads of the window, kept by the
  // GUI thread: the tick never asks the window itself. The lock keeps the
  // tick away while the GUI thread releases or rebuilds the surface, and
  // from the library outside BitBltInit ... BitBltUninit.
  std::mutex frameLock_;
  sDrawBuffer surface_;
  bool drawing_ = false;  // shown, the library's preview drawing begun
  HWND panelWindow_ = nullptr;
  std::int32_t panelWidth_ = 0;
  std::int32_t panelHeight_ = 0;

  // Last: its worker is gone before anything it draws with.
  CMMTimer frameTimer_;
};

// The preview window, for the frame tick and the main window.
extern TFormPreview* FormPreview;

}  // namespace nolb
