#include "app/main_form_win.h"

#include "app/restart_registration_win.h"
#include "app/version.h"
#include "base/integer_text.h"
#include "base/preset_file.h"
#include "preview/preview_form_win.h"
#include "status/translucency_win.h"
#include "ui/error_report_win.h"
#include "ui/file_place_win.h"
#include "ui/messages_win.h"
#include "ui/settings_store_win.h"
#include "ui/text_win.h"
#include "ui/window_placement_win.h"

namespace nolb {

TMainForm* MainForm = nullptr;

namespace {

using ui::ControlKind;
constexpr auto kGroupBox = ControlKind::kGroupBox;
constexpr auto kLabel = ControlKind::kLabel;
constexpr auto kEdit = ControlKind::kEdit;
constexpr auto kButton = ControlKind::kButton;
constexpr auto kCheckBox = ControlKind::kCheckBox;
constexpr auto kList = ControlKind::kDropDownList;

constexpr wchar_t kCaption[] = L"NOLB Ver." NOLB_VERSION_SHORT_TEXT L"  ◆Tz4Hn8QwL.";
constexpr wchar_t kCloseQuestion[] = L"終了するとNOLBが無効になります.\nよろしいですか？";
constexpr wchar_t kNextFieldHint[] =
    L"テンキーの . (Del) を押すことで次の項目に移動することができます";
constexpr wchar_t kApplyHint[] = L"Enterを押すことで適用することもできます";
constexpr wchar_t kAddPresetHint[] = L"↓の値でプリセットを追加します";
constexpr int kLayoutClientWidth = 281;
constexpr int kLayoutClientHeight = 441;

// Saves a preset list into its file's place, making the user's folder for
// it when that is where it goes.
void SavePresets(const PresetList& presets, const char* name) {
  const NativePath file = PresetFilePlace(name).write;
  MakeFolderFor(file);
  presets.Save(file);
}

}  // namespace

TMainForm::TMainForm(CaptureHook& hook)
    : ui::Form(L"MainForm"),
      setupInForce_(hook),
      hook_(setupInForce_),
      follow_([this] { return PostMessageW(Handle(), ui::kFollowDisplayMessage, 0, 0) != FALSE; },
              [this](bool on) {
                if (on) {
                  StartRealtimeTimer();
                } else {
                  timer_.Stop();
                }
              }) {}

std::vector<ui::ControlDesc> TMainForm::Controls() {
  auto on = [this](void (TMainForm::*method)(ui::Component*)) { return On<TMainForm>(method); };
  ui::KeyHandler editKeyUp = [this](ui::Component* sender, unsigned key) { EditXKeyUp(sender, key); };
  // Rows in tab order; places are relative to the form or the named group.
  return {
      {.name = L"Bevel3", .kind = ControlKind::kBevel, .place = {0, 0, 273, 2}},
      {.name = L"GroupBoxTarget", .kind = kGroupBox, .caption = L"ターゲット",
       .place = {8, 8, 265, 201}},
      {.name = L"GroupBoxFindWindow", .kind = kGroupBox, .parent = L"GroupBoxTarget",
       .caption = L"ウィンドウ", .place = {8, 13, 249, 76}},
      {.name = L"Label8", .kind = kLabel, .parent = L"GroupBoxFindWindow",
       .caption = L"キャプション", .place = {11, 20, 62, 12}},
      {.name = L"EditWindowCaption", .kind = ControlKind::kReadOnlyEdit,
       .parent = L"GroupBoxFindWindow", .caption = L"Desktop", .place = {80, 16, 160, 20}},
      {.name = L"PanelDrag", .kind = ControlKind::kPanel, .parent = L"GroupBoxFindWindow",
       .caption = L"Drag here.", .hint = L"右ドラッグで座標入力のみ", .place = {8, 43, 105, 25}},
      {.name = L"ButtonParent", .kind = kButton, .parent = L"GroupBoxFindWindow",
       .caption = L"親", .hint = L"親ウィンドウを辿ります", .place = {120, 43, 33, 25}, .click = on(&TMainForm::ButtonParentClick)},
      {.name = L"ButtonDesktop", .kind = kButton, .parent = L"GroupBoxFindWindow",
       .caption = L"デスクトップ", .hint = L"取り込み範囲をデスクトップに戻します",
       .place = {160, 43, 81, 25}, .click = on(&TMainForm::ButtonDesktopClick)},
      {.name = L"GroupBoxPosition", .kind = kGroupBox, .parent = L"GroupBoxTarget",
       .caption = L"範囲", .place = {8, 93, 249, 72}},
      {.name = L"Label1", .kind = kLabel, .parent = L"GroupBoxPosition", .caption = L"X",
       .place = {15, 48, 7, 12}},
      {.name = L"EditX", .kind = kEdit, .parent = L"GroupBoxPosition", .caption = L"0",
       .hint = kNextFieldHint, .place = {28, 44, 33, 20}, .keyUp = editKeyUp},
      {.name = L"Label2", .kind = kLabel, .parent = L"GroupBoxPosition", .caption = L"Y",
       .place = {69, 48, 7, 12}},
      {.name = L"EditY", .kind = kEdit, .parent = L"GroupBoxPosition", .caption = L"0",
       .hint = L"指定ウィンドウの左上端を0とした値です", .place = {81, 44, 33, 20}},
      {.name = L"Label3", .kind = kLabel, .parent = L"GroupBoxPosition", .caption = L"サイズ",
       .place = {125, 48, 34, 12}},
      {.name = L"EditWidth", .kind = kEdit, .parent = L"GroupBoxPosition", .caption = L"320",
       .hint = kNextFieldHint, .place = {164, 44, 33, 20}, .keyUp = editKeyUp},
      {.name = L"Label4", .kind = kLabel, .parent = L"GroupBoxPosition", .caption = L"x",
       .place = {200, 51, 6, 12}},
      {.name = L"EditHeight", .kind = kEdit, .parent = L"GroupBoxPosition", .caption = L"240",
       .place = {208, 44, 33, 20}},
      {.name = L"ComboBoxPos", .kind = kList, .parent = L"GroupBoxPosition",
       .hint = L"取り込み位置のプリセットです", .place = {8, 18, 81, 20}, .items = {L"0, 0"},
       .dropDownRows = 24, .click = on(&TMainForm::ComboBoxPosSelect)},
      {.name = L"ButtonAddPos", .kind = kButton, .parent = L"GroupBoxPosition",
       .caption = L"追加", .hint = kAddPresetHint, .place = {89, 18, 33, 19}, .click = on(&TMainForm::ButtonAddPosClick)},
      {.name = L"ComboBoxSize", .kind = kList, .parent = L"GroupBoxPosition",
       .hint = L"取り込みサイズのプリセットです", .place = {128, 18, 81, 20},
       .items = {L"320, 240", L"480, 360", L"640, 480", L"960, 720"}, .dropDownRows = 24,
       .click = on(&TMainForm::ComboBoxPosSelect)},
      {.name = L"ButtonAddSize", .kind = kButton, .parent = L"GroupBoxPosition",
       .caption = L"追加", .hint = kAddPresetHint, .place = {209, 18, 33, 19}, .click = on(&TMainForm::ButtonAddPosClick)},
      {.name = L"ButtonSetPos", .kind = kButton, .parent = L"GroupBoxTarget",
       .caption = L"位置指定", .hint = L"右クリックで座標入力のみ", .place = {8, 170, 65, 23},
       .click = on(&TMainForm::ButtonSetPosClick)},
      {.name = L"ButtonSetRange", .kind = kButton, .parent = L"GroupBoxTarget",
       .caption = L"範囲指定", .hint = L"右ドラッグで座標入力のみ", .place = {80, 170, 65, 23},
       .click = on(&TMainForm::ButtonSetRangeClick)},
      {.name = L"ButtonApply2", .kind = kButton, .parent = L"GroupBoxTarget",
       .caption = L"適用", .hint = kApplyHint, .place = {152, 170, 105, 23},
       .click = on(&TMainForm::ButtonApplyClick)},
      {.name = L"GroupBox1", .kind = kGroupBox, .caption = L"リアルタイム設定",
       .place = {8, 216, 265, 73}},
      {.name = L"CheckBoxAutoWindow", .kind = kCheckBox, .parent = L"GroupBox1",
       .caption = L"ウィンドウサイズに追従する", .place = {8, 16, 161, 17},
       .click = on(&TMainForm::CheckBoxAutoWindowClick)},
      {.name = L"CheckBoxAutoMouse", .kind = kCheckBox, .parent = L"GroupBox1",
       .caption = L"マウスカーソルに追従する", .place = {8, 32, 161, 17},
       .click = on(&TMainForm::CheckBoxAutoMouseClick)},
      {.name = L"CheckBoxMouseCenter", .kind = kCheckBox, .parent = L"GroupBox1",
       .caption = L"カーソル位置を中心にする", .place = {24, 48, 161, 17},
       .click = on(&TMainForm::CheckBoxMouseCenterClick)},
      {.name = L"ButtonUncheck", .kind = kButton, .parent = L"GroupBox1", .caption = L"解除",
       .place = {192, 14, 65, 51}, .flags = ui::kDisabled,
       .click = on(&TMainForm::ButtonUncheckClick)},
      {.name = L"GroupBoxSettings", .kind = kGroupBox, .caption = L"設定",
       .place = {8, 296, 265, 89}},
      {.name = L"CheckBoxShowCursor", .kind = kCheckBox, .parent = L"GroupBoxSettings",
       .caption = L"マウスカーソル表示", .place = {9, 16, 124, 17}, .flags = ui::kChecked},
      {.name = L"CheckBoxShowAlphaWindow", .kind = kCheckBox, .parent = L"GroupBoxSettings",
       .caption = L"レイヤードウィンドウ表示", .hint = L"非矩形・半透明ウィンドウを取り込みます",
       .place = {9, 32, 152, 17}},
      {.name = L"CheckBoxFixAspect", .kind = kCheckBox, .parent = L"GroupBoxSettings",
       .caption = L"アスペクト比維持", .place = {9, 48, 112, 17}, .flags = ui::kChecked, .click = on(&TMainForm::CheckBoxFixAspectClick)},
      {.name = L"CheckBoxZoom", .kind = kCheckBox, .parent = L"GroupBoxSettings",
       .caption = L"拡大", .place = {9, 64, 56, 17}},
      {.name = L"Label12", .kind = kLabel, .parent = L"GroupBoxSettings", .caption = L"回転",
       .place = {170, 21, 24, 12}},
      {.name = L"ComboBoxRotateType", .kind = kList, .parent = L"GroupBoxSettings",
       .place = {200, 17, 49, 20}, .items = {L"0ﾟ", L"90ﾟ", L"180ﾟ", L"270ﾟ"}, .itemIndex = 3},
      {.name = L"Label5", .kind = kLabel, .parent = L"GroupBoxSettings", .caption = L"縮小方法",
       .place = {169, 44, 48, 12}},
      {.name = L"ComboBoxBltMode", .kind = kList, .parent = L"GroupBoxSettings",
       .place = {168, 58, 81, 20}, .items = {L"DirectDraw", L"縮小しない"}, .itemIndex = 0},
      {.name = L"Label10", .kind = kLabel, .caption = L"VRAM :", .place = {9, 391, 39, 12}},
      {.name = L"LabelVmem", .kind = kLabel, .caption = L"100.0MB", .place = {51, 391, 43, 12}},
      {.name = L"Label6", .kind = kLabel, .caption = L"処理時間 :", .place = {103, 391, 54, 12}},
      {.name = L"LabelAT", .kind = kLabel, .caption = L"1000.00ms", .place = {160, 391, 53, 12}},
      {.name = L"Label11", .kind = kLabel, .caption = L"Hook :", .place = {227, 391, 32, 12}},
      {.name = L"LabelHooked", .kind = kLabel, .caption = L"×", .place = {261, 391, 12, 12}},
      {.name = L"ButtonPreview", .kind = kButton, .caption = L"プレビュー",
       .hint = L"プレビューの表示・非表示を切り替えます", .place = {8, 408, 65, 25},
       .click = on(&TMainForm::ButtonPreviewClick)},
      {.name = L"ButtonHide", .kind = kButton, .caption = L"非表示",
       .hint = L"このウィンドウを非表示にします", .place = {80, 408, 57, 25},
       .flags = ui::kDisabled, .click = on(&TMainForm::ButtonHideClick)},
      {.name = L"ButtonDisable", .kind = kButton, .caption = L"無効化",
       .hint = L"NOLBを無効化しWMEの取り込み範囲に戻します", .place = {152, 408, 57, 25},
       .click = on(&TMainForm::ButtonDisableClick)},
      {.name = L"ButtonApply", .kind = ControlKind::kDefaultButton, .caption = L"適用",
       .hint = kApplyHint, .place = {216, 408, 57, 25},
       .click = on(&TMainForm::ButtonApplyClick)},
  };
}

std::vector<ui::MenuDesc> TMainForm::MainMenu1() {
  return {
      {.name = L"NTogleCaptureRange", .menu = L"表示(&S)", .caption = L"取り込み範囲表示切替(&T)",
       .autoCheck = true, .hint = L"エンコード時のみ表示されます",
       .click = On<TMainForm>(&TMainForm::NToggleCaptureRangeClick)},
      {.name = L"L1", .menu = L"表示(&S)", .caption = L"半透明化(&L)", .autoCheck = true,
       .click = On<TMainForm>(&TMainForm::L1Click)},
      {.name = L"N6", .menu = L"表示(&S)"},
      // Taken when the window is next minimised.
      {.name = L"M1", .menu = L"表示(&S)", .caption = L"最小化時に通知領域へ(&M)", .autoCheck = true},
      {.name = L"E1", .menu = L"表示(&S)", .caption = L"パネルを配信に映さない(&E)", .autoCheck = true,
       .click = On<TMainForm>(&TMainForm::E1Click)},
      {.name = L"U1", .menu = L"設定(&O)", .caption = L"元に戻す(&U)",
       .click = On<TMainForm>(&TMainForm::U1Click), .ctrlKey = 'Z'},
      {.name = L"Y1", .menu = L"設定(&O)", .caption = L"やり直し(&Y)",
       .click = On<TMainForm>(&TMainForm::Y1Click), .ctrlKey = 'Y'},
      {.name = L"N9", .menu = L"設定(&O)"},
      {.name = L"L2", .menu = L"設定(&O)", .caption = L"ウィンドウ一覧から選ぶ(&L)...",
       .click = On<TMainForm>(&TMainForm::L2Click), .ctrlKey = 'L'},
      {.name = L"N4", .menu = L"設定(&O)"},
      {.name = L"C1", .menu = L"設定(&O)", .caption = L"デスクトップ座標に変換(&C)",
       .click = On<TMainForm>(&TMainForm::C1Click)},
      {.name = L"D1", .menu = L"設定(&O)", .caption = L"ウィンドウ座標に変換(&D)",
       .click = On<TMainForm>(&TMainForm::D1Click)},
      {.name = L"A1", .menu = L"設定(&O)", .caption = L"取り込み範囲を画面で調整(&A)",
       .click = On<TMainForm>(&TMainForm::A1Click)},
      {.name = L"N1", .menu = L"設定(&O)"},
      {.name = L"H1", .menu = L"設定(&O)", .caption = L"ホットキー(&H)",
       .click = On<TMainForm>(&TMainForm::H1Click)},
      {.name = L"N2", .menu = L"設定(&O)"},
      {.name = L"R1", .menu = L"設定(&O)", .caption = L"ターゲットの再取得(&R)", .autoCheck = true,
       .click = On<TMainForm>(&TMainForm::R1Click)},
      {.name = L"N5", .menu = L"設定(&O)"},
      {.name = L"I33", .menu = L"設定(&O)", .caption = L"&33 ms (30 fps)",
       .click = On<TMainForm>(&TMainForm::RealtimeIntervalClick), .submenu = L"追従の間隔(&I)", .radio = true},
      {.name = L"I16", .menu = L"設定(&O)", .caption = L"&16 ms (60 fps)",
       .click = On<TMainForm>(&TMainForm::RealtimeIntervalClick), .submenu = L"追従の間隔(&I)", .radio = true},
      {.name = L"S1", .menu = L"設定(&O)", .caption = L"なめらかに追従する(&S)", .autoCheck = true,
       .click = On<TMainForm>(&TMainForm::S1Click)},
      {.name = L"K1", .menu = L"設定(&O)", .caption = L"画面内に収める(&K)", .autoCheck = true,
       .click = On<TMainForm>(&TMainForm::K1Click)},
  };
}

void TMainForm::Create() {
  MainForm = this;
  MakeMainForm();
  ui::FormDesc desc;
  desc.className = L"TMainForm";
  desc.caption = kCaption;
  desc.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
  desc.place = {MainSettings::kDefaultLeft, MainSettings::kDefaultTop, kDesignedWindowWidth,
                kDesignedWindowHeight};
  // The layout with its 8-pixel margins: the group boxes 265 wide, the
  // bottom buttons ending at 433.
  desc.clientWidth = kLayoutClientWidth;
  desc.clientHeight = kLayoutClientHeight;
  Form::Create(desc, Controls(), MainMenu1());
  AddTimer(L"TimerCheck", 60, true, On<TMainForm>(&TMainForm::TimerCheckTimer));
  AddTimer(L"TimerAnime", 330, true, On<TMainForm>(&TMainForm::TimerAnimeTimer));
  AddTimer(L"TimerGetHandle", 60, false, On<TMainForm>(&TMainForm::TimerGetHandleTimer));
  // Runs only while windows that may be the lost target wait for a try.
  AddTimer(L"TimerReacquire", 250, false, On<TMainForm>(&TMainForm::TimerReacquireTimer));
  // Any change of target ends a wait for a lost one, whoever made it, but
  // the watch's own fallback to the desktop and the take of the window
  // found.
  state_.OnTargetChanged([this] {
    if (!reacquireMovesTarget_) CancelReacquire();
    FollowTargetForReacquire();
    FitTargetWatch();
  });
  // Losing the mouse capture (another window takes it, the system cancels
  // it) ends a drag as a right release does.
  Find(L"PanelDrag").onCaptureLost = [this](ui::Component*) { EndDrag(false); };
}

void TMainForm::FormCreate() {
  std::optional<KeptTarget> kept;
  {
    // Without stored values the window keeps the size it was made with.
    MainSettings defaults;
    defaults.width = Bounds().width;
    defaults.height = Bounds().height;
    ProfileSettingsStore settings;
    RestoreMainSettings(ReadMainSettings(settings, defaults));
    if (reacquire_.Enabled()) kept = ReadKeptTarget(settings);
  }
  positionPresets_.emplace(Find(L"ComboBoxPos"), DesignedPositionPresets());
  sizePresets_.emplace(Find(L"ComboBoxSize"), DesignedSizePresets());
  positionPresets_->Load(PresetFilePlace(kPositionPresetFile).read);
  sizePresets_->Load(PresetFilePlace(kSizePresetFile).read);

  // The DirectDraw object for the video memory figure comes with the first
  // status tick (TimerAnimeTimer).
  hook_.Init();
  // The real-time timer runs only while a follow mode is on (follow_ starts
  // and stops it): at rest nothing wakes its worker.

  // Layered-window capture is offered on a single-monitor desktop only.
  if (GetSystemMetrics(SM_CXVIRTUALSCREEN) != GetSystemMetrics(SM_CXSCREEN) ||
      GetSystemMetrics(SM_CYVIRTUALSCREEN) != GetSystemMetrics(SM_CYSCREEN)) {
    ui::Control& alpha = Find(L"CheckBoxShowAlphaWindow");
    alpha.SetEnabled(false);
    alpha.SetChecked(false);
  }

  ButtonDesktopClick(nullptr);
  // The set-up the first step of the undo history starts from.
  WithoutStep([this] { ButtonApplyClick(nullptr); });
  FitUndoItems();
  RegisterRestartAfterUpdate();
  // The target kept at the last exit is waited for as a lost one, and a
  // window of it already there is taken too, from the message loop on.
  if (kept) Later([this, kept] { AwaitKeptTarget(*kept); });

  // The markers follow the restored menu check. Four top-level windows, a
  // good part of the start-up under Wine: they are made once the main window
  // is shown, from the message loop, before any input is handled.
  Later([this] {
    markers_ = std::make_unique<RangeMarkers>();
    NToggleCaptureRangeClick(nullptr);
  });
  Later([this] { MakeTrayIcon(); });
}

bool TMainForm::FormCloseQuery() {
  // A running selection still has to take its result into this window.
  if (SelectionShown()) return false;
  if (!hook_.IsHooked()) return true;
  std::wstring caption = Caption();
  return MessageBoxW(Handle(), kCloseQuestion, caption.c_str(),
                     MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TMainForm::FormDestroy() {
  // The preview draws no more frames and ends the library's preview drawing
  // before the library is switched off and released, also when the session
  // ends and the preview hears of it later.
  if (FormPreview) FormPreview->EndDrawing();
  // A drag under way ends without applying and leaves no frame behind.
  EndDrag(false);
  // From here on the real-time tick pushes nothing, so no tick comes
  // between the calls of the shut-down.
  ShowFollowDisplay(follow_.Halt());
  const std::optional<KeptTarget> kept = TargetToKeep();
  ButtonDesktopClick(this);
  // At the session's end the system may end the process a few seconds
  // after: the encoder gets its own capture area back before anything is
  // written, which a slow disk or a folder on the network may hold up.
  if (SessionEnding()) ReleaseLibrary();
  // A file that cannot be written is reported, and the shut-down goes on:
  // the redirection is still switched off and the library released.
  ui::ReportingErrors(Handle(), [&] {
    ProfileSettingsStore settings;
    WriteMainSettings(settings, CurrentMainSettings());
    WriteKeptTarget(settings, kept);
  });
  timer_.StopAndWait();
  ui::ReportingErrors(Handle(), [&] { SavePresets(*positionPresets_, kPositionPresetFile); });
  ui::ReportingErrors(Handle(), [&] { SavePresets(*sizePresets_, kSizePresetFile); });
  if (!SessionEnding()) ReleaseLibrary();
  // Last: at the session's end the task bar may be slow to answer, and the
  // library and the files come first.
  if (tray_) tray_->Remove();
}

void TMainForm::ReleaseLibrary() {
  hook_.SetMousePos(kWithdrawnMousePos, kWithdrawnMousePos);
  hook_.Enabled(0);
  markers_.reset();
  videoMemory_.reset();
  hook_.Uninit();
}

void TMainForm::RestoreMainSettings(const MainSettings& m) {
  // A place that lies on no monitor any more is moved onto the nearest one.
  SetBounds(ui::PlaceOnMonitor(
      {m.left, m.top, m.width, RestoredWindowHeight(m.height, Bounds().height)}));
  CaptureSettings restored;
  state_.Update([&](CaptureSettings& s, DesktopRect&) {
    RestoreCaptureSettings(m, s);
    restored = s;
  });
  ShowRectangle(restored.x, restored.y, restored.width, restored.height);
  Find(L"CheckBoxFixAspect").SetChecked(m.fixAspect);
  Find(L"ComboBoxRotateType").SetItemIndex(m.rotateType);
  Find(L"CheckBoxZoom").SetChecked(m.zoom);
  Find(L"CheckBoxShowCursor").SetChecked(m.showCursor);
  Find(L"CheckBoxShowAlphaWindow").SetChecked(m.showAlphaWindow);
  Find(L"ComboBoxBltMode").SetItemIndex(BltModeListIndex(m.bltMode));
  Menu(L"NTogleCaptureRange").SetChecked(m.showRange);
  Find(L"CheckBoxMouseCenter").SetChecked(m.centreCursor);
  translucency_.Restore(Handle(), m.alphaBlend, m.alphaBlendValue);
  Menu(L"L1").SetChecked(translucency_.On());
  Menu(L"R1").SetChecked(m.reacquire);
  reacquire_.SetEnabled(m.reacquire);
  SetRealtimeInterval(m.realtimeInterval);
  Menu(L"S1").SetChecked(m.smoothFollow);
  follow_.SetSmoothFollow(m.smoothFollow);
  Menu(L"K1").SetChecked(m.keepOnScreen);
  follow_.SetKeepOnScreen(m.keepOnScreen);
  Menu(L"M1").SetChecked(m.minimiseToTray);
  Menu(L"E1").SetChecked(m.excludeFromCapture);
  E1Click(nullptr);
}

MainSettings TMainForm::CurrentMainSettings() const {
  MainSettings m;
  // A minimised window keeps the place it has when restored, in the screen
  // coordinates that start-up restores.
  ui::Place place = ui::NormalPlace(Handle());
  m.top = place.top;
  m.left = place.left;
  m.width = place.width;
  m.height = place.height;
  m.x = ToInteger(Find(L"EditX").TextUtf8());
  m.y = ToInteger(Find(L"EditY").TextUtf8());
  m.captureWidth = ToInteger(Find(L"EditWidth").TextUtf8());
  m.captureHeight = ToInteger(Find(L"EditHeight").TextUtf8());
  m.fixAspect = Find(L"CheckBoxFixAspect").Checked();
  m.rotateType = Find(L"ComboBoxRotateType").ItemIndex();
  m.zoom = Find(L"CheckBoxZoom").Checked();
  m.showCursor = Find(L"CheckBoxShowCursor").Checked();
  m.showAlphaWindow = Find(L"CheckBoxShowAlphaWindow").Checked();
  m.bltMode = Find(L"ComboBoxBltMode").ItemIndex();
  m.showRange = Menu(L"NTogleCaptureRange").Checked();
  m.centreCursor = Find(L"CheckBoxMouseCenter").Checked();
  m.alphaBlend = translucency_.On();
  m.alphaBlendValue = translucency_.Opacity();
  m.reacquire = Menu(L"R1").Checked();
  m.realtimeInterval = realtimePeriodMs_;
  m.smoothFollow = Menu(L"S1").Checked();
  m.keepOnScreen = Menu(L"K1").Checked();
  m.minimiseToTray = Menu(L"M1").Checked();
  m.excludeFromCapture = Menu(L"E1").Checked();
  return m;
}

ApplyInput TMainForm::ReadApplyInput() const {
  ApplyInput in;
  in.x = Find(L"EditX").TextUtf8();
  in.y = Find(L"EditY").TextUtf8();
  in.width = Find(L"EditWidth").TextUtf8();
  in.height = Find(L"EditHeight").TextUtf8();
  in.fixAspect = Find(L"CheckBoxFixAspect").Checked();
  in.zoom = Find(L"CheckBoxZoom").Checked();
  in.showCursor = Find(L"CheckBoxShowCursor").Checked();
  in.showAlphaWindow = Find(L"CheckBoxShowAlphaWindow").Checked();
  in.rotateIndex = Find(L"ComboBoxRotateType").ItemIndex();
  in.bltModeIndex = Find(L"ComboBoxBltMode").ItemIndex();
  return in;
}

void TMainForm::ShowRectangle(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
  Find(L"EditX").SetTextUtf8(IntegerText(x));
  Find(L"EditY").SetTextUtf8(IntegerText(y));
  Find(L"EditWidth").SetTextUtf8(IntegerText(width));
  Find(L"EditHeight").SetTextUtf8(IntegerText(height));
}

void TMainForm::ShowTargetView(const TargetView& view) {
  Find(L"EditWindowCaption").SetTextUtf8(view.caption);
  ShowRectangle(view.x, view.y, view.width, view.height);
}

void TMainForm::FocusApply() { SetActiveControl(Find(L"ButtonApply")); }

void TMainForm::ButtonApplyClick(ui::Component*) {
  PushAsStep([this] {
    Apply(state_, ReadApplyInput(), windows_.DesktopWindow(), hook_);
    SetRedirectionOff(false);
  });
}

void TMainForm::ButtonDisableClick(ui::Component*) {
  // A lost target that comes back later must not switch the redirection on again.
  CancelReacquire();
  Disable(hook_);
  SetRedirectionOff(true);
  FocusApply();
}

void TMainForm::SetRedirectionOff(bool off) {
  if (redirectionOff_ == off) return;
  redirectionOff_ = off;
  FitTargetWatch();
}

void TMainForm::ButtonPreviewClick(ui::Component*) {
  if (FormPreview->Visible()) {
    FormPreview->Close();
  } else {
    FormPreview->ShowPreview();
  }
  FocusApply();
}

void TMainForm::ButtonHideClick(ui::Component*) {
  // Hidden only while the preview, whose menu brings it back, is shown.
  if (FormPreview->Visible()) ShowWindow(Handle(), SW_HIDE);
  FocusApply();
}

void TMainForm::L1Click(ui::Component*) { translucency_.Toggle(Menu(L"L1").Checked()); }

void TMainForm::ShowNotice(std::wstring_view text, ui::NoticeKind kind) {
  if (tray_ && tray_->ShowBalloon(L"NOLB", text, kind)) return;
  notice_.Show(Handle(), L"NOLB", text, kind);
}

void TMainForm::EnableHideButton(bool enabled) { Find(L"ButtonHide").SetEnabled(enabled); }

bool TMainForm::MainWindowShown() const { return Visible(); }

void TMainForm::ShowMainWindow() { Show(); }

HWND TMainForm::HostHandle() const { return Handle(); }

std::wstring TMainForm::HostCaption() const { return Caption(); }

ui::Control& TMainForm::HostControl(std::wstring_view name) const { return Find(name); }

}  // namespace nolb
