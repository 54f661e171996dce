// The main window's side of the icon in the notification area: the state
// its picture, tooltip and menu show, the menu's commands carried out by
// the main window's own controls, and the two switches of "表示(&S)".
#include "app/main_form_win.h"
#include "preview/preview_form_win.h"
#include "ui/application_win.h"
#include "ui/capture_exclusion_win.h"

namespace nolb {
namespace {

// A button's click, as the user's, unless the button takes no input now.
void ClickIfEnabled(ui::Form& form, ui::Control& button) {
  if (button.EffectivelyEnabled()) form.Invoke(button.onClick, &button);
}

// A check box turned over, which runs its click handler, unless it takes no
// input now.
void ToggleIfEnabled(ui::Control& box) {
  if (box.EffectivelyEnabled()) box.SetChecked(!box.Checked());
}

}  // namespace

void TMainForm::MakeTrayIcon() { tray_ = std::make_unique<TrayIcon>(*this, CurrentTrayStatus(hook_.IsHooked())); }

TrayStatus TMainForm::CurrentTrayStatus(bool hooked) {
  // The target and rectangle as the window holds them, read without a call
  // into the library or the window system, so that the status line's tick
  // costs at rest what it cost without the icon: the caption box changes
  // only with the target.
  const CaptureSettings s = state_.Settings();
  if (!trayCaption_ || trayCaption_->first != s.target) {
    trayCaption_.emplace(s.target, Find(L"EditWindowCaption").TextUtf8());
  }
  return TrayStatus{!redirectionOff_, hooked, trayCaption_->second, s.x, s.y, s.width, s.height};
}

TrayPanelState TMainForm::TrayPanelNow() const {
  TrayPanelState panel;
  panel.busy = SelectionShown() || Dragging() || ui::ModalWindowShown();
  panel.followWindow = Find(L"CheckBoxAutoWindow").Checked();
  panel.followMouse = Find(L"CheckBoxAutoMouse").Checked();
  panel.previewShown = FormPreview && FormPreview->Visible();
  panel.markersShown = Menu(L"NTogleCaptureRange").Checked();
  return panel;
}

void TMainForm::RunTrayCommand(TrayCommand command) {
  // Something may have come up while the menu was open.
  if (ShutDownBegun() || TrayPanelNow().busy) return;
  switch (command) {
    case TrayCommand::kApply:
      ClickIfEnabled(*this, Find(L"ButtonApply"));
      break;
    case TrayCommand::kDisable:
      ClickIfEnabled(*this, Find(L"ButtonDisable"));
      break;
    case TrayCommand::kFollowWindow:
      ToggleIfEnabled(Find(L"CheckBoxAutoWindow"));
      break;
    case TrayCommand::kFollowMouse:
      ToggleIfEnabled(Find(L"CheckBoxAutoMouse"));
      break;
    case TrayCommand::kRelease:
      ClickIfEnabled(*this, Find(L"ButtonUncheck"));
      break;
    case TrayCommand::kPreview:
      if (FormPreview) ClickIfEnabled(*this, Find(L"ButtonPreview"));
      break;
    case TrayCommand::kRangeMarkers: {
      // As the menu item of the main window: its mark turns over, then its
      // handler runs.
      ui::MenuItem& item = Menu(L"NTogleCaptureRange");
      item.SetChecked(!item.Checked());
      Invoke(item.OnClick(), &item);
      break;
    }
    default:
      break;
  }
}

bool TMainForm::MinimisesToTray() const { return Menu(L"M1").Checked(); }

void TMainForm::E1Click(ui::Component*) { ui::SetCaptureExclusion(Menu(L"E1").Checked(), Handle()); }

}  // namespace nolb
