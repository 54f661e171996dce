#include "target/window_list_dialog_win.h"

#include <windowsx.h>

#include <algorithm>

#include "app/main_form_win.h"
#include "target/window_list_settings.h"
#include "ui/error_report_win.h"
#include "ui/settings_store_win.h"
#include "ui/text_win.h"
#include "ui/window_placement_win.h"

namespace nolb {

using ui::ControlKind;

namespace {

constexpr wchar_t kKeysHint[] =
    L"Enter: 適用　Shift+Enter: 座標入力のみ　→ ←: 子ウィンドウの表示　Esc: 閉じる";
constexpr wchar_t kGoneMessage[] = L"選択したウィンドウはもうありません。一覧を更新しました。";
constexpr wchar_t kLockedMessage[] = L"リアルタイム設定が有効な間は選択できません。";
constexpr wchar_t kNothingChosenMessage[] = L"ウィンドウを選択してください。";

// The layout's margins and rows, in client pixels.
constexpr int kMargin = 8;
constexpr int kFilterLabelWidth = 56;
constexpr int kRowHeight = 20;
constexpr int kButtonHeight = 25;
constexpr int kButtonWidth = 80;
constexpr int kFillInWidth = 96;
constexpr int kItemHeight = 18;

WindowId ItemWindow(HWND tree, HTREEITEM item) {
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!TreeView_GetItem(tree, &data)) return 0;
  return static_cast<WindowId>(data.lParam);
}

}  // namespace

TFormWindowList::TFormWindowList(HWND owner, int width, int height, TakeChosenWindow take)
    : ui::Form(L"FormWindowList"), take_(std::move(take)) {
  auto on = [this](void (TFormWindowList::*method)(ui::Component*)) {
    return On<TFormWindowList>(method);
  };
  ui::FormDesc desc;
  desc.className = L"TFormWindowList";
  desc.caption = L"ウィンドウ一覧";
  desc.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  desc.place = {0, 0, width, height};
  desc.owner = owner;
  // Places here are only the first; Layout fits them to the window's size.
  Create(desc, {
      {.name = L"LabelFilter", .kind = ControlKind::kLabel, .caption = L"絞り込み :",
       .place = {kMargin, kMargin + 4, kFilterLabelWidth, 12}},
      {.name = L"EditFilter", .kind = ControlKind::kEdit,
       .hint = L"タイトル・プログラム・クラス名の一部で絞り込みます",
       .place = {kMargin + kFilterLabelWidth, kMargin, 200, kRowHeight}},
      {.name = L"TreeWindows", .kind = ControlKind::kTreeView, .place = {kMargin, 36, 200, 100}},
      {.name = L"LabelMessage", .kind = ControlKind::kLabel, .caption = kKeysHint,
       .place = {kMargin, 140, 200, 12}},
      {.name = L"ButtonTake", .kind = ControlKind::kDefaultButton, .caption = L"適用",
       .hint = L"選択したウィンドウをターゲットにして適用します (Enter)",
       .place = {0, 0, kButtonWidth, kButtonHeight}, .click = on(&TFormWindowList::ButtonTakeClick)},
      {.name = L"ButtonFillIn", .kind = ControlKind::kButton, .caption = L"座標入力のみ",
       .hint = L"適用せずに値だけを入力します (Shift+Enter)",
       .place = {0, 0, kFillInWidth, kButtonHeight}, .click = on(&TFormWindowList::ButtonFillInClick)},
      {.name = L"ButtonCancel", .kind = ControlKind::kCancelButton, .caption = L"キャンセル",
       .place = {0, 0, kButtonWidth, kButtonHeight}, .click = on(&TFormWindowList::ButtonCancelClick)},
  });
  made_ = true;
  // Room below the line for the underscores of file names.
  TreeView_SetItemHeight(Tree(), kItemHeight);
  RECT client{};
  GetClientRect(Handle(), &client);
  Layout(client.right, client.bottom);
  SetWindowSubclass(Find(L"EditFilter").Handle(), &TFormWindowList::KeySubclass, 1,
                    reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(Tree(), &TFormWindowList::KeySubclass, 1, reinterpret_cast<DWORD_PTR>(this));
  Reload();
  SetActiveControl(Find(L"EditFilter"));
}

TFormWindowList::~TFormWindowList() {
  if (Handle()) DestroyWindow(Handle());
}

void TFormWindowList::Layout(int width, int height) {
  if (!made_) return;
  auto place = [this](const wchar_t* name, int left, int top, int w, int h) {
    MoveWindow(Find(name).Handle(), left, top, std::max(w, 0), std::max(h, 0), TRUE);
  };
  const int inner = width - 2 * kMargin;
  const int buttonsTop = height - kMargin - kButtonHeight;
  const int messageTop = buttonsTop - kMargin - 12;
  const int treeTop = kMargin + kRowHeight + kMargin;
  place(L"EditFilter", kMargin + kFilterLabelWidth, kMargin, inner - kFilterLabelWidth, kRowHeight);
  place(L"TreeWindows", kMargin, treeTop, inner, messageTop - kMargin - treeTop);
  place(L"LabelMessage", kMargin, messageTop, inner, 12);
  int right = width - kMargin;
  for (auto [name, w] : {std::pair{L"ButtonCancel", kButtonWidth}, std::pair{L"ButtonFillIn", kFillInWidth},
                         std::pair{L"ButtonTake", kButtonWidth}}) {
    place(name, right - w, buttonsTop, w, kButtonHeight);
    right -= w + kMargin;
  }
}

void TFormWindowList::Reload() {
  listed_ = ListTopLevelWindows(tree_, windows_);
  ShowFiltered();
}

void TFormWindowList::ShowFiltered() {
  HWND tree = Tree();
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree);
  for (const ListedWindow& window : FilterWindows(listed_, Find(L"EditFilter").TextUtf8())) {
    AddItem(TVI_ROOT, window, false);
  }
  // The topmost match is chosen: Enter takes it at once.
  if (HTREEITEM first = TreeView_GetRoot(tree)) TreeView_SelectItem(tree, first);
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree, nullptr, TRUE);
}

HTREEITEM TFormWindowList::AddItem(HTREEITEM parent, const ListedWindow& window, bool child) {
  std::wstring text = ui::Widen(ListedWindowLine(window, child));
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = text.data();
  insert.item.lParam = static_cast<LPARAM>(window.window);
  // Its children are listed when it is opened.
  insert.item.cChildren = HasVisibleChildren(tree_, window.window) ? 1 : 0;
  return TreeView_InsertItem(Tree(), &insert);
}

void TFormWindowList::AddChildren(HTREEITEM item, WindowId window) {
  HWND tree = Tree();
  if (TreeView_GetChild(tree, item)) return;
  const std::vector<ListedWindow> children = ListChildWindows(tree_, windows_, window);
  for (const ListedWindow& child : children) AddItem(item, child, true);
  if (children.empty()) {
    // Gone meanwhile: no button any more.
    TVITEMW data{};
    data.mask = TVIF_CHILDREN;
    data.hItem = item;
    data.cChildren = 0;
    TreeView_SetItem(tree, &data);
  }
}

LRESULT TFormWindowList::OnNotify(const NMHDR& notice) {
  if (notice.hwndFrom != Tree()) return 0;
  if (notice.code == TVN_ITEMEXPANDINGW) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(notice);
    if (change.action & TVE_EXPAND) {
      AddChildren(change.itemNew.hItem, static_cast<WindowId>(change.itemNew.lParam));
    }
    return FALSE;
  }
  if (notice.code == NM_DBLCLK) {
    // A double click on an item takes its window; elsewhere it does nothing.
    const DWORD at = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ScreenToClient(Tree(), &hit.pt);
    if (!TreeView_HitTest(Tree(), &hit) || !(hit.flags & TVHT_ONITEM)) return 0;
    TreeView_SelectItem(Tree(), hit.hItem);
    TakeChosen(true);
    return TRUE;
  }
  return 0;
}

void TFormWindowList::ButtonTakeClick(ui::Component*) { TakeChosen(GetKeyState(VK_SHIFT) >= 0); }

void TFormWindowList::ButtonFillInClick(ui::Component*) { TakeChosen(false); }

void TFormWindowList::ButtonCancelClick(ui::Component*) { EndModal(ui::kModalCancel); }

void TFormWindowList::TakeChosen(bool apply) {
  HWND tree = Tree();
  HTREEITEM item = TreeView_GetSelection(tree);
  if (!item) {
    Say(kNothingChosenMessage);
    return;
  }
  switch (take_(ItemWindow(tree, item), apply)) {
    case TakeOutcome::kTaken:
      EndModal(ui::kModalOk);
      return;
    case TakeOutcome::kGone:
      Say(kGoneMessage);
      Reload();
      return;
    case TakeOutcome::kLocked:
      Say(kLockedMessage);
      return;
  }
}

void TFormWindowList::Say(const wchar_t* text) { Find(L"LabelMessage").SetText(text); }

std::optional<LRESULT> TFormWindowList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {WindowListSettings::kMinimumWidth, WindowListSettings::kMinimumHeight};
      return 0;
    }
    case WM_NOTIFY:
      if (made_ && !ShutDownBegun()) return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_COMMAND:
      if (made_ && HIWORD(wParam) == EN_CHANGE &&
          reinterpret_cast<HWND>(lParam) == Find(L"EditFilter").Handle()) {
        ShowFiltered();
        return 0;
      }
      break;
  }
  return std::nullopt;
}

LRESULT CALLBACK TFormWindowList::KeySubclass(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR data) noexcept {
  auto* form = reinterpret_cast<TFormWindowList*>(data);
  const bool key = message == WM_KEYDOWN && (wParam == VK_DOWN || wParam == VK_UP);
  const bool typed = message == WM_CHAR && (wParam >= L' ' || wParam == L'\b');
  if (key || typed) {
    ui::Control& filter = form->Find(L"EditFilter");
    HWND tree = form->Tree();
    if (key && hwnd == filter.Handle()) {
      if (!TreeView_GetSelection(tree)) TreeView_SelectItem(tree, TreeView_GetRoot(tree));
      form->SetActiveControl(form->Find(L"TreeWindows"));
      return 0;
    }
    // A letter or a backspace typed in the list narrows it further.
    if (typed && hwnd == tree) {
      form->SetActiveControl(filter);
      const int end = GetWindowTextLengthW(filter.Handle());
      SendMessageW(filter.Handle(), EM_SETSEL, end, end);
      return SendMessageW(filter.Handle(), message, wParam, lParam);
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &TFormWindowList::KeySubclass, 1);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void ChooseWindowFromList(HWND owner, TakeChosenWindow take) {
  WindowListSettings size;
  ui::ReportingErrors(owner, [&] {
    ProfileSettingsStore settings;
    size = ReadWindowListSettings(settings);
  });
  TFormWindowList dialog(owner, size.width, size.height, std::move(take));
  dialog.ShowModal();
  // The size the user gave it, for the next time; only from a list the user
  // closed. One that went with the panel (closed from outside, the session's
  // end) has no size left to read.
  if (!dialog.Handle() || dialog.ShutDownBegun() || ui::Form::SessionEnding()) return;
  const ui::Place place = ui::NormalPlace(dialog.Handle());
  const WindowListSettings left{std::max(place.width, WindowListSettings::kMinimumWidth),
                                std::max(place.height, WindowListSettings::kMinimumHeight)};
  if (left == size) return;
  ui::ReportingErrors(owner, [&] {
    ProfileSettingsStore settings;
    WriteWindowListSettings(settings, left);
  });
}

void TMainForm::L2Click(ui::Component*) {
  // Not offered while a real-time mode holds the target.
  if (!Menu(L"L2").Enabled()) return;
  ChooseWindowFromList(Handle(), [this](WindowId window, bool apply) {
    if (!Menu(L"L2").Enabled()) return TakeOutcome::kLocked;
    return TakeWindow(window, apply) ? TakeOutcome::kTaken : TakeOutcome::kGone;
  });
}

}  // namespace nolb
