// The main window: the capture rectangle, the target, the modes, the status
// line and the buttons that apply and disable the redirection.
#pragma once

#include <memory>
#include <optional>

#include "command/command_check.h"
#include "app/main_settings.h"
#include "app/push_history.h"
#include "app/setup_in_force.h"
#include "base/capture_hook.h"
#include "base/capture_settings.h"
#include "hotkey/hotkey_host_win.h"
#include "preview/mm_timer_win.h"
#include "preview/preview_host_win.h"
#include "status/range_markers_win.h"
#include "status/translucency_win.h"
#include "status/video_memory_win.h"
#include "target/follow_mode.h"
#include "target/kept_target.h"
#include "target/preset_list_win.h"
#include "target/screen_selection.h"
#include "target/target_reacquire.h"
#include "target/target_selection.h"
#include "target/window_events_win.h"
#include "tray/tray_host_win.h"
#include "tray/tray_icon_win.h"
#include "ui/form_win.h"
#include "ui/notice_balloon_win.h"
#include "ui/window_system_win.h"

namespace nolb {

class TMainForm : public ui::Form, public PreviewHost, public HotkeyHost, public TrayHost {
 public:
  explicit TMainForm(CaptureHook& hook);

  // Makes the window and its controls and runs FormCreate.
  void Create();

  // Handlers, also called from code (sender none).
  void ButtonApplyClick(ui::Component* sender) override;
  void ButtonDisableClick(ui::Component* sender);

  // Choosing the target (target picker).
  void ApplicationEventsMessage(const MSG& msg);
  void TimerGetHandleTimer(ui::Component* sender) override;
  void ButtonDesktopClick(ui::Component* sender);
  void ButtonParentClick(ui::Component* sender);
  // Takes the window as the target as a left release of the finder on it
  // does (its whole client area, the caption box, the re-acquire follows
  // it) and applies, or with apply false only fills in, as the right
  // button does. False, and nothing changed, when the window has gone or
  // its client size cannot be read.
  bool TakeWindow(WindowId window, bool apply);

  // The capture rectangle and its presets.
  void ButtonAddPosClick(ui::Component* sender);
  void ComboBoxPosSelect(ui::Component* sender) override;
  void C1Click(ui::Component* sender);
  void D1Click(ui::Component* sender);
  void EditXKeyUp(ui::Component* sender, unsigned key);
  void CheckBoxFixAspectClick(ui::Component* sender);

  // The follow modes; RealtimeTick runs on the periodic timer's worker.
  void CheckBoxAutoWindowClick(ui::Component* sender);
  void CheckBoxAutoMouseClick(ui::Component* sender);
  void CheckBoxMouseCenterClick(ui::Component* sender);
  void ButtonUncheckClick(ui::Component* sender);
  void SetRealtimeLock(bool active);
  void RealtimeTick(std::uint32_t userValue);
  // How the mouse is followed, from the menu: the tick's period (the two
  // radio items of "追従の間隔"), gliding and keeping on the screen.
  void RealtimeIntervalClick(ui::Component* sender);
  void S1Click(ui::Component* sender);
  void K1Click(ui::Component* sender);
  // Choosing the rectangle on the screen (also the hotkeys, sender none).
  void ButtonSetRangeClick(ui::Component* sender) override;
  void ButtonSetPosClick(ui::Component* sender) override;
  // The selection window is up (a selection runs).
  bool SelectionShown() const override;
  // The present rectangle adjusted on the screen where it stands (also the
  // hotkey, sender none); a window as target stays the target.
  void A1Click(ui::Component* sender) override;

  // Undo ("元に戻す", Ctrl+Z) and redo ("やり直し", Ctrl+Y) of the pushes
  // the user caused: the set-up of the step pushed as Apply pushes it, the
  // controls set to match. Not while a follow mode is on.
  void U1Click(ui::Component* sender);
  void Y1Click(ui::Component* sender);
  // Every push the user caused goes through here, and is one step of the
  // undo history: the push runs, then the step is recorded from the set-up
  // in force before it to the one it left (one that changed nothing is no
  // step). Apply (ButtonApplyClick) runs through it, so whatever ends in
  // Apply is a step: a selection on the screen, the finder, the window
  // list, a preset, a hotkey, a command. A push the user causes without
  // Apply (a scene, say) runs through it itself. Pushes that are not the
  // user's run Apply inside WithoutStep (the start-up's, the take of a
  // lost target, undo and redo); the watch's fallback and the follow
  // modes' ticks push without Apply and are no steps either.
  void PushAsStep(const std::function<void()>& push);

  // The target watch, the status line and the capture-range markers.
  void TimerCheckTimer(ui::Component* sender);
  void TimerAnimeTimer(ui::Component* sender);
  // Runs the watch's timer while the target may vanish or the markers are
  // shown, and stops it otherwise: after each tick, on each change of target,
  // when the redirection is switched off or on and when the markers are shown.
  void FitTargetWatch();
  // Whether "無効化" has switched the redirection off since the last push
  // of the GUI thread; the watch stands still then.
  void SetRedirectionOff(bool off);
  void NToggleCaptureRangeClick(ui::Component* sender);

  // The preview window and translucency.
  void ButtonPreviewClick(ui::Component* sender);
  void ButtonHideClick(ui::Component* sender) override;
  void L1Click(ui::Component* sender);

  // Shows the hotkey dialog.
  void H1Click(ui::Component* sender);
  // Shows the window list, from which a window is taken as the target.
  void L2Click(ui::Component* sender);

  // Carries out a command of the command line, read and well formed, as
  // the user would in this window, once it is checked whole against what
  // the window holds; a command refused changes nothing.
  CommandOutcome CarryOutCommand(const Command& command);

  // Tells the user something that needs no answer (a command from a
  // program without a console that failed, a target taken again) without
  // blocking and without taking the focus: a balloon that goes by itself,
  // the icon's in the notification area, or the main window's where there
  // is no icon.
  void ShowNotice(std::wstring_view text, ui::NoticeKind kind = ui::NoticeKind::kWarning);

  // The icon in the notification area (tray/tray_main_win.cpp) and the
  // switches of "表示(&S)" that put the window away into it when minimised
  // and keep the panel's windows out of captures of the screen.
  TrayPanelState TrayPanelNow() const override;
  void RunTrayCommand(TrayCommand command) override;
  bool MinimisesToTray() const override;
  void E1Click(ui::Component* sender);

  // What the preview window and the hotkey dialog ask of the main window.
  void EnableHideButton(bool enabled) override;
  bool MainWindowShown() const override;
  void ShowMainWindow() override;
  HWND HostHandle() const override;
  std::wstring HostCaption() const override;
  ui::Control& HostControl(std::wstring_view name) const override;
  bool HostShutDownBegun() const override { return ShutDownBegun(); }

  // Taking a lost target again when its program comes back: the menu
  // switch, and the tries while windows of other programs appear.
  void R1Click(ui::Component* sender);
  void TimerReacquireTimer(ui::Component* sender);

 protected:
  void FormCreate() override;
  bool FormCloseQuery() override;
  void FormDestroy() override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<ui::ControlDesc> Controls();
  std::vector<ui::MenuDesc> MainMenu1();
  ApplyInput ReadApplyInput() const;
  // Section Main of the settings file into the window, the record and the
  // controls; and back from them at exit.
  void RestoreMainSettings(const MainSettings& settings);
  MainSettings CurrentMainSettings() const;
  // Shows a rectangle in the four edits.
  void ShowRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  // Shows a target in the caption box and its rectangle in the edits.
  void ShowTargetView(const TargetView& view);
  void FocusApply();
  // The drag from PanelDrag: searching while TimerGetHandle runs. Ending it
  // erases the frame and restores the panel; a left release also applies.
  bool Dragging() const;
  void BeginDrag();
  void EndDrag(bool apply);
  // The end of a choice of target: Apply unless only the values were asked
  // for, and the focus on it.
  void FinishTargetChoice(bool apply);
  // Inverts a 3-pixel frame inside the window's client area on the screen.
  void InvertWindowFrame(WindowId window);
  PresetList& PresetsOf(ui::Component* sender);
  // The chosen item of the sender's preset list into its two edits, when
  // it holds two numbers.
  void ShowChosenPreset(ui::Component* sender);
  // What a command is checked against, and one step of it.
  PanelState CommandPanelState() const;
  // False when the window of a /window step has gone since the check.
  bool CarryOutStep(const CommandStep& step, WindowId window);
  // The enable states a mode box's click leaves, and the lock.
  void ApplyFollowBoxRules(const FollowBoxRules& rules);
  // Writes what the real-time tick asked the edits to show.
  void ShowFollowDisplay(const FollowDisplay& display);
  // The tick's period in force: the radio item of that period checked (none
  // for another), and a running timer started again with it.
  void SetRealtimeInterval(std::int32_t periodMs);
  void StartRealtimeTimer();
  // The desktop as target, a selection on the screen, its result into the
  // record and the edits, and Apply unless only the values were asked for.
  void RunScreenSelection(SelectMode mode);
  // The watch lost the target: the wait for its program begins when the
  // switch is on. Any choice of target by the user ends the wait.
  void TargetLost(const HookTarget& lost);
  // While the switch is on, the target in force is described and the
  // top-level windows beside it listed: at each tick of the watch, and at
  // once when the target changes, so that a window lost right after it was
  // chosen or taken is still waited for.
  void FollowTargetForReacquire();
  // The wait has begun: word of windows made or shown, and tries of the
  // candidates it has already.
  void StartReacquireWait();
  // The target kept across a restart: waited for at start, and at exit the
  // window in force while the switch is on.
  void AwaitKeptTarget(const KeptTarget& kept);
  std::optional<KeptTarget> TargetToKeep();
  void WindowNoticed(WindowId window);
  void CancelReacquire();
  // Runs a change of target that leaves the wait alone: the watch's
  // fallback and the take itself.
  void ChangeTargetKeepingWait(const std::function<void()>& change);
  // The last steps of the shut-down: the mouse position withdrawn, the
  // redirection switched off, the markers and DirectDraw released, and the
  // library.
  void ReleaseLibrary();
  // The icon, from the message loop on, and the state it shows; hooked is
  // what the status line has just read.
  void MakeTrayIcon();
  TrayStatus CurrentTrayStatus(bool hooked);
  // A push that is no step of the undo history.
  void WithoutStep(const std::function<void()>& push);
  // The set-up into the controls and the record's target, then Apply.
  void RestoreSetup(const CaptureSettings& setup);
  // An undo (or a redo): the step's set-up pushed, and a notice when
  // steps were passed over because their target window had gone.
  void TakeStep(bool undo);
  // "元に戻す" and "やり直し" enabled while there is a step to take and
  // no follow mode is on.
  void FitUndoItems();

  // Every call into the library passes through it: the set-up in force.
  SetupInForce setupInForce_;
  CaptureHook& hook_;
  CaptureState state_;
  Win32WindowSystem windows_;
  std::unique_ptr<VideoMemory> videoMemory_;
  std::unique_ptr<RangeMarkers> markers_;
  std::optional<PresetList> positionPresets_;
  std::optional<PresetList> sizePresets_;
  // The window whose frame the drag has inverted, or none.
  WindowId highlightedWindow_ = 0;
  Translucency translucency_;
  FollowModes follow_;
  TargetReacquire reacquire_;
  WindowEvents windowEvents_;
  ui::NoticeBalloon notice_;
  std::unique_ptr<TrayIcon> tray_;
  // The caption box's text for the icon's tooltip, and the target it names.
  std::optional<std::pair<WindowId, std::string>> trayCaption_;
  bool reacquireMovesTarget_ = false;
  // "無効化" switched the redirection off and nothing has pushed since.
  bool redirectionOff_ = false;
  PushHistory history_;
  // Apply records no step while set (WithoutStep).
  bool stepsPaused_ = false;
  // A follow mode locks the target and range controls.
  bool realtimeLocked_ = false;
  std::int32_t realtimePeriodMs_ = MainSettings::kDefaultRealtimeInterval;
  // Last, so that it is destroyed first: its worker uses the members above.
  // Its work takes a fraction of a millisecond and must keep its pace beside
  // a busy encoder: above normal priority.
  CMMTimer timer_{THREAD_PRIORITY_HIGHEST};
};

// The main window, for the program's other windows.
extern TMainForm* MainForm;

}  // namespace nolb
