// The main window: the capture rectangle, the target, the modes, the status
// line and the buttons that apply and disable the redirection.
#pragma once

#include <memory>

#include "app/capture_settings.h"
#include "hook/capture_hook.h"
#include "status/video_memory_win.h"
#include "ui/form_win.h"

namespace nolb {

class TMainForm : public ui::Form {
 public:
  explicit TMainForm(CaptureHook& hook);

  // Makes the window and its controls and runs FormCreate.
  void Create();

  CaptureState& State() { return state_; }
  CaptureHook& Hook() { return hook_; }

  // Handlers, also called from code (sender none).
  void ButtonApplyClick(ui::Component* sender);
  void ButtonDisableClick(ui::Component* sender);
  void ButtonDesktopClick(ui::Component* sender);

 protected:
  void FormCreate() override;
  bool FormCloseQuery() override;
  void FormDestroy() override;

 private:
  std::vector<ui::ControlDesc> Controls();
  std::vector<ui::MenuDesc> MainMenu1();
  ApplyInput ReadApplyInput() const;
  // Shows the record's rectangle in the four edits.
  void ShowRectangle(const CaptureSettings& settings);
  void FocusApply();

  CaptureHook& hook_;
  CaptureState state_;
  std::unique_ptr<VideoMemory> videoMemory_;
};

// The main window, for the program's other windows.
extern TMainForm* MainForm;

}  // namespace nolb
