#include "hotkey/hotkey_form_win.h"

#include <commctrl.h>

#include <thread>

#include "hotkey/hotkey_dispatch_win.h"
#include "hotkey/hotkey_slots_win.h"
#include "ui/error_report_win.h"
#include "ui/settings_store_win.h"
#include "ui/window_placement_win.h"

namespace nolb {

TFormHotkey* FormHotkey = nullptr;

namespace {

using ui::ControlKind;
constexpr auto kGroupBox = ControlKind::kGroupBox;
constexpr auto kLabel = ControlKind::kLabel;
constexpr auto kHotKey = ControlKind::kHotKey;
constexpr auto kButton = ControlKind::kButton;

constexpr wchar_t kCaption[] = L"ホットキー設定";
constexpr wchar_t kFailure[] = L"登録に失敗しました.\r\n別のキーの組み合わせを試してみてください.";
constexpr int kClientWidth = 273;
constexpr int kClientHeight = 418;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

struct RowControls {
  const wchar_t* edit;
  const wchar_t* reg;
  const wchar_t* unreg;
};
constexpr std::array<RowControls, kHotkeyRowCount> kRowControls = {{
    {L"HotKeyAutoMouse", L"ButtonRegAutoMouse", L"ButtonUnregAutoMouse"},
    {L"HotKeyTarget", L"ButtonRegTarget", L"ButtonUnregTarget"},
    {L"HotKeySetPos", L"ButtonRegSetPos", L"ButtonUnregSetPos"},
    {L"HotKeySetRange", L"ButtonRegSetRange", L"ButtonUnregSetRange"},
    {L"HotKeySelPos", L"ButtonRegSelPos", L"ButtonUnregSelPos"},
    {L"HotKeySelSize", L"ButtonRegSelSize", L"ButtonUnregSelSize"},
    {L"HotKeyAdjustRange", L"ButtonRegAdjustRange", L"ButtonUnregAdjustRange"},
}};

CHotKey& SingleSlot(HotkeyRow row) {
  switch (row) {
    case kRowAutoMouse: return HotKeys.AutoMouse;
    case kRowWindowGrab: return HotKeys.WindowGrab;
    case kRowSetPos: return HotKeys.SetPos;
    case kRowAdjustRange: return HotKeys.AdjustRange;
    default: return HotKeys.SetRange;
  }
}

std::array<CHotKey*, 4> RunSlots(HotkeyRow row) {
  auto& run = row == kRowSelPos ? HotKeys.SelPos : HotKeys.SelSize;
  return {&run[0], &run[1], &run[2], &run[3]};
}

bool PresetRow(HotkeyRow row) { return row == kRowSelPos || row == kRowSelSize; }

bool RowRegistered(HotkeyRow row) {
  return PresetRow(row) ? RunSlots(row)[0]->IsRegistered() : SingleSlot(row).IsRegistered();
}

// The preset row that a "登録" or "解除" button belongs to, if any.
std::optional<HotkeyRow> PresetRowOf(ui::Component* sender) {
  const std::wstring name = ui::SenderName(sender);
  for (HotkeyRow row : {kRowSelPos, kRowSelSize}) {
    if (name == kRowControls[row].reg || name == kRowControls[row].unreg) return row;
  }
  return std::nullopt;
}

// Whether the key is down at this moment. A thread may be answered from its
// own recent readings, which can still show a key up that is down again; a
// thread of its own for the reading asks the system itself.
bool KeyDownNow(std::uint32_t key) {
  bool down = false;
  std::thread([&] { down = (GetAsyncKeyState(static_cast<int>(key)) & 0x8000) != 0; }).join();
  return down;
}

// Whether the key is up at this moment. A reading that shows the key down
// is the system's own; one that shows it up may be a recent reading kept
// for this thread, which a thread of its own then confirms.
bool KeyUpNow(std::uint32_t key) {
  return (GetAsyncKeyState(static_cast<int>(key)) & 0x8000) == 0 && !KeyDownNow(key);
}

// How often a key whose hotkey came is looked at until it is seen up: more
// often than the keyboard repeats.
constexpr UINT kKeyUpLookMs = 10;

}  // namespace

TFormHotkey::TFormHotkey(HotkeyHost& host) : ui::Form(L"FormHotkey"), host_(host) {}

std::vector<ui::ControlDesc> TFormHotkey::Controls() {
  auto on = [this](void (TFormHotkey::*method)(ui::Component*)) { return On<TFormHotkey>(method); };
  const wchar_t* g2 = L"GroupBox2";
  const wchar_t* g1 = L"GroupBox1";
  std::vector<ui::ControlDesc> rows;
  auto label = [&](const wchar_t* group, const wchar_t* name, const wchar_t* caption, int left,
                   int top) {
    rows.push_back({.name = name, .kind = kLabel, .parent = group, .caption = caption,
                    .place = {left, top, 240, 12}});
  };
  // A row: its hotkey edit, then "登録" and "解除" side by side at buttonLeft.
  auto row = [&](const wchar_t* group, HotkeyRow r, int top, int buttonLeft, int buttonWidth,
                 ui::Handler reg, ui::Handler unreg) {
    const RowControls& c = kRowControls[r];
    rows.push_back({.name = c.edit, .kind = kHotKey, .parent = group, .place = {8, top, 157, 20}});
    rows.push_back({.name = c.reg, .kind = kButton, .parent = group, .caption = L"登録",
                    .place = {buttonLeft, top, buttonWidth, 21}, .click = reg});
    rows.push_back({.name = c.unreg, .kind = kButton, .parent = group, .caption = L"解除",
                    .place = {buttonLeft + 40, top, buttonWidth, 21}, .flags = ui::kDisabled,
                    .click = unreg});
  };
  rows.push_back({.name = g2, .kind = kGroupBox, .caption = L"設定", .place = {8, 8, 257, 105}});
  label(g2, L"Label6", L"「マウスカーソルに追従する」 切替", 11, 16);
  row(g2, kRowAutoMouse, 32, 169, 40, on(&TFormHotkey::ButtonRegAutoMouseClick),
      on(&TFormHotkey::ButtonUnregAutoMuseClick));
  label(g2, L"Label4", L"カーソル位置のウィンドウをターゲットに指定", 11, 56);
  row(g2, kRowWindowGrab, 72, 169, 40, on(&TFormHotkey::ButtonRegTargetClick),
      on(&TFormHotkey::ButtonUnregTargetClick));
  rows.push_back(
      {.name = g1, .kind = kGroupBox, .caption = L"取り込み範囲", .place = {8, 120, 257, 257}});
  label(g1, L"Label5", L"位置指定", 8, 16);
  row(g1, kRowSetPos, 32, 168, 41, on(&TFormHotkey::ButtonRegSetPosClick),
      on(&TFormHotkey::ButtonUnregSetPosClick));
  label(g1, L"Label7", L"範囲指定", 8, 56);
  row(g1, kRowSetRange, 72, 168, 41, on(&TFormHotkey::ButtonRegSetRangeClick),
      on(&TFormHotkey::ButtonUnregSetRangeClick));
  label(g1, L"Label8", L"範囲を画面で調整", 8, 96);
  row(g1, kRowAdjustRange, 112, 168, 41, on(&TFormHotkey::ButtonRegAdjustRangeClick),
      on(&TFormHotkey::ButtonUnregAdjustRangeClick));
  rows.push_back({.name = L"Bevel1", .kind = ControlKind::kBevel, .parent = g1,
                  .place = {8, 144, 241, 2}});
  label(g1, L"Label1", L"プリセット 位置選択", 8, 152);
  row(g1, kRowSelPos, 168, 168, 41, on(&TFormHotkey::ButtonRegSelPosClick),
      on(&TFormHotkey::ButtonUnregSelPosClick));
  label(g1, L"Label2", L"プリセット サイズ選択", 8, 192);
  row(g1, kRowSelSize, 208, 168, 41, on(&TFormHotkey::ButtonRegSelPosClick),
      on(&TFormHotkey::ButtonUnregSelPosClick));
  label(g1, L"Label3", L"※指定したキーから右四つのキーを使用します", 10, 235);
  rows.push_back({.name = L"ButtonClose", .kind = kButton, .caption = L"閉じる",
                  .place = {192, 384, 75, 25}, .click = on(&TFormHotkey::ButtonCloseClick)});
  return rows;
}

void TFormHotkey::Create() {
  FormHotkey = this;
  RECT outer{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  ui::FormDesc desc;
  desc.className = L"TFormHotkey";
  desc.caption = kCaption;
  desc.style = kStyle;
  desc.place = {HotkeySettings::kDefaultLeft, HotkeySettings::kDefaultTop,
                outer.right - outer.left, outer.bottom - outer.top};
  desc.owner = host_.HostHandle();
  Form::Create(desc, Controls());
  AddTimer(L"TimerKeyUp", kKeyUpLookMs, false, On<TFormHotkey>(&TFormHotkey::TimerKeyUpTimer));
}

void TFormHotkey::FormCreate() {
  // The edits take any key, with or without modifiers.
  for (const auto& row : kRowControls) SendMessageW(Find(row.edit).Handle(), HKM_SETRULES, 0, 0);
  HotkeySettings settings;
  {
    ProfileSettingsStore store;
    settings = ReadHotkeySettings(store);
  }
  // A place that lies on no monitor any more is moved onto the nearest one.
  ui::Place place = Bounds();
  SetBounds(ui::PlaceOnMonitor({settings.left, settings.top, place.width, place.height}));
  // Every row is restored before anything is told: a message box lets the
  // user close the main window, and a row not restored yet would then be
  // saved free. The failure is told once the program's windows are all made.
  bool failed = false;
  for (int i = 0; i < kHotkeyRowCount; ++i) {
    const auto row = static_cast<HotkeyRow>(i);
    SetEditValue(row, settings.rows[row].value);
    if (settings.rows[row].registered && !RegisterRow(row)) failed = true;
  }
  restored_ = true;
  if (failed) Later([this] { ShowFailure(); });
}

bool TFormHotkey::FormCloseQuery() {
  // Closing only hides the dialog; it lives until the program ends.
  Show(SW_HIDE);
  return false;
}

TFormHotkey::~TFormHotkey() {
  // Destroyed here, not by the base, so that FormDestroy still saves the
  // section when the program ends through an error.
  if (Handle()) DestroyWindow(Handle());
  if (FormHotkey == this) FormHotkey = nullptr;
}

void TFormHotkey::FormDestroy() {
  // Rows never restored keep what the file says.
  if (!restored_) return;
  HotkeySettings settings;
  ui::Place place = ui::NormalPlace(Handle());
  settings.top = place.top;
  settings.left = place.left;
  for (int i = 0; i < kHotkeyRowCount; ++i) {
    const auto row = static_cast<HotkeyRow>(i);
    settings.rows[row] = {EditValue(row), RowRegistered(row)};
  }
  ProfileSettingsStore store;
  WriteHotkeySettings(store, settings);
}

std::optional<LRESULT> TFormHotkey::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    HotKeyPressed(HIWORD(lParam), static_cast<std::int32_t>(wParam));
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    Close();  // Esc
    return 0;
  }
  return std::nullopt;
}

std::uint16_t TFormHotkey::EditValue(HotkeyRow row) const {
  auto word = SendMessageW(Find(kRowControls[row].edit).Handle(), HKM_GETHOTKEY, 0, 0);
  return ValueFromEditWord(static_cast<std::uint32_t>(word));
}

void TFormHotkey::SetEditValue(HotkeyRow row, std::uint16_t value) {
  SendMessageW(Find(kRowControls[row].edit).Handle(), HKM_SETHOTKEY, EditWordFromValue(value), 0);
}

void TFormHotkey::ShowRowState(HotkeyRow row, bool registered) {
  Find(kRowControls[row].edit).SetEnabled(!registered);
  Find(kRowControls[row].reg).SetEnabled(!registered);
  Find(kRowControls[row].unreg).SetEnabled(registered);
}

void TFormHotkey::ShowFailure() { ui::ShowWarning(Handle(), kFailure, host_.HostCaption()); }

bool TFormHotkey::RegisterRow(HotkeyRow row) {
  const auto window = reinterpret_cast<WindowId>(Handle());
  const bool registered = PresetRow(row) ? RegisterKeyRun(RunSlots(row), window, EditValue(row))
                                            : SingleSlot(row).RegisterShortCut(window, EditValue(row));
  if (registered) ShowRowState(row, true);
  return registered;
}

void TFormHotkey::RegisterSingle(HotkeyRow row) {
  if (!RegisterRow(row)) ShowFailure();
}

void TFormHotkey::UnregisterSingle(HotkeyRow row) {
  SingleSlot(row).Unregister();
  ShowRowState(row, false);
}

void TFormHotkey::ButtonRegAutoMouseClick(ui::Component*) { RegisterSingle(kRowAutoMouse); }
void TFormHotkey::ButtonUnregAutoMuseClick(ui::Component*) { UnregisterSingle(kRowAutoMouse); }
void TFormHotkey::ButtonRegTargetClick(ui::Component*) { RegisterSingle(kRowWindowGrab); }
void TFormHotkey::ButtonUnregTargetClick(ui::Component*) { UnregisterSingle(kRowWindowGrab); }
void TFormHotkey::ButtonRegSetPosClick(ui::Component*) { RegisterSingle(kRowSetPos); }
void TFormHotkey::ButtonUnregSetPosClick(ui::Component*) { UnregisterSingle(kRowSetPos); }
void TFormHotkey::ButtonRegSetRangeClick(ui::Component*) { RegisterSingle(kRowSetRange); }
void TFormHotkey::ButtonUnregSetRangeClick(ui::Component*) { UnregisterSingle(kRowSetRange); }
void TFormHotkey::ButtonRegAdjustRangeClick(ui::Component*) { RegisterSingle(kRowAdjustRange); }
void TFormHotkey::ButtonUnregAdjustRangeClick(ui::Component*) { UnregisterSingle(kRowAdjustRange); }

void TFormHotkey::ButtonRegSelPosClick(ui::Component* sender) {
  std::optional<HotkeyRow> row = PresetRowOf(sender);
  if (!row || ui::SenderName(sender) != kRowControls[*row].reg) return;
  if (!RegisterRow(*row)) ShowFailure();
}

void TFormHotkey::ButtonUnregSelPosClick(ui::Component* sender) {
  std::optional<HotkeyRow> row = PresetRowOf(sender);
  if (!row || ui::SenderName(sender) != kRowControls[*row].unreg) return;
  for (CHotKey* slot : RunSlots(*row)) slot->Unregister();
  ShowRowState(*row, false);
}

void TFormHotkey::ButtonCloseClick(ui::Component*) { Close(); }

void TFormHotkey::HotKeyPressed(std::uint32_t key, std::int32_t id) {
  // Once the main window has shut down (the session ends), no key acts.
  if (host_.HostShutDownBegun()) return;
  if (HeldHotkeysMayRepeat()) {
    const bool press = repeats_.IsPress(key);
    TimerNamed(L"TimerKeyUp").SetEnabled(true);
    if (!press) return;
  }
  RunHotkey(host_, id);
}

void TFormHotkey::TimerKeyUpTimer(ui::Component*) {
  for (std::uint32_t key : repeats_.Watched()) repeats_.Looked(key, !KeyUpNow(key));
  if (repeats_.Watched().empty()) TimerNamed(L"TimerKeyUp").SetEnabled(false);
}

}  // namespace nolb
