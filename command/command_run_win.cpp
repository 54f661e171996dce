// Commands of the command line in the main window: checked whole against
// what the window holds, then carried out step by step as the user would.
#include "app/main_form_win.h"
#include "target/window_list.h"
#include "target/window_tree_win.h"
#include "ui/application_win.h"
#include "ui/error_report_win.h"

namespace nolb {
namespace {

constexpr const wchar_t* kRectangleEdits[] = {L"EditX", L"EditY", L"EditWidth", L"EditHeight"};

}  // namespace

PanelState TMainForm::CommandPanelState() const {
  PanelState panel;
  if (SelectionShown()) {
    panel.busy = CommandReason::kSelecting;
  } else if (Dragging()) {
    panel.busy = CommandReason::kDragging;
  } else if (ui::ModalWindowShown()) {
    panel.busy = CommandReason::kModalWindow;
  }
  if (Find(L"CheckBoxAutoMouse").Checked()) {
    panel.follow = FollowState::kMouse;
  } else if (Find(L"CheckBoxAutoWindow").Checked()) {
    panel.follow = FollowState::kWindow;
  }
  for (std::size_t i = 0; i < panel.edits.size(); ++i) panel.edits[i] = Find(kRectangleEdits[i]).TextUtf8();
  panel.positions = positionPresets_->Items();
  panel.sizes = sizePresets_->Items();
  return panel;
}

CommandOutcome TMainForm::CarryOutCommand(const Command& command) {
  // The window's controls may be going already.
  if (ShutDownBegun()) return {{CommandReason::kClosing, -1}};
  Win32WindowTree tree;
  const CommandPlan plan =
      CheckCommand(command, CommandPanelState(), [&tree](std::string_view title, std::string_view program) {
        return FindProgramWindow(tree, title, program);
      });
  if (plan.result.reason != CommandReason::kNone) return {plan.result};
  // No message box while the command runs, not even from a handler that a
  // step runs: the first error ends the command and goes to its sender.
  const ui::CollectedReports reports;
  StepEnd end = StepEnd::kDone;
  auto run = [&](const std::function<bool()>& step) {
    bool taken = true;
    ui::ReportingErrors(Handle(), [&] { taken = step(); });
    end = reports.Any() ? StepEnd::kError : taken ? StepEnd::kDone : StepEnd::kWindowGone;
  };
  std::size_t at = 0;
  for (; at < command.steps.size(); ++at) {
    run([&] { return CarryOutStep(command.steps[at], plan.windows[at]); });
    if (end != StepEnd::kDone) break;
  }
  // at: the step that failed, or the number of steps, which names the closing "適用".
  if (end == StepEnd::kDone && command.apply) {
    run([&] {
      ButtonApplyClick(nullptr);
      FocusApply();
      return true;
    });
  }
  const std::string error = end == StepEnd::kWindowGone ? "選んだウィンドウが閉じられました" : reports.First();
  return {CarriedOutResult(command, at, end), error};
}

bool TMainForm::CarryOutStep(const CommandStep& step, WindowId window) {
  using Kind = CommandStep::Kind;
  ui::Control& followWindow = Find(L"CheckBoxAutoWindow");
  ui::Control& followMouse = Find(L"CheckBoxAutoMouse");
  switch (step.kind) {
    case Kind::kRectangle:
      ShowRectangle(step.x, step.y, step.width, step.height);
      break;
    case Kind::kPosition:
    case Kind::kSize: {
      ui::Control& list = Find(step.kind == Kind::kPosition ? L"ComboBoxPos" : L"ComboBoxSize");
      list.SetItemIndex(step.item - 1);
      ShowChosenPreset(&list);
      break;
    }
    case Kind::kDesktop:
      // The user's choice, as the button's click; the apply comes at the end.
      CancelReacquire();
      ButtonDesktopClick(nullptr);
      break;
    case Kind::kWindow:
      return TakeWindow(window, false);
    case Kind::kFollow:
      // As the boxes: the other mode is released first.
      if (step.follow == FollowChoice::kOff) {
        ButtonUncheckClick(nullptr);
      } else if (step.follow == FollowChoice::kWindow) {
        followMouse.SetChecked(false);
        followWindow.SetChecked(true);
      } else {
        followWindow.SetChecked(false);
        Find(L"CheckBoxMouseCenter").SetChecked(step.follow == FollowChoice::kCentre);
        followMouse.SetChecked(true);
      }
      break;
    case Kind::kDisable:
      ButtonDisableClick(nullptr);
      break;
  }
  return true;
}

}  // namespace nolb
