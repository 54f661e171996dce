#include "target/selection_view_win.h"

#include <algorithm>

#include "ui/text_win.h"

namespace nolb {
namespace {

constexpr COLORREF kReadoutBack = RGB(255, 255, 225);
constexpr COLORREF kReadoutText = RGB(0, 0, 0);
// Inside the readout's border: left and right, above and below the text.
constexpr int kPadX = 4;
constexpr int kPadY = 3;

HBRUSH Stock(int brush) { return static_cast<HBRUSH>(GetStockObject(brush)); }

// Fills a rectangle with a colour without making a brush: an opaque text
// output of no text.
void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, L"", 0, nullptr);
}

}  // namespace

SelectionDecorations DecorationsOf(const ScreenSelection& selection, const SelectionView& atCursor, bool magnifier) {
  SelectionDecorations d;
  if (selection.Chosen()) return d;
  d.outline = selection.Outline();
  d.handles = selection.Handles();
  d.cursor = selection.Cursor();
  for (const std::string& line : ReadoutLines(d.cursor, selection.Pending(), selection.Snapped(),
                                              selection.LockedRatio(), selection.Mode() == SelectMode::kAdjust)) {
    d.readout.push_back(ui::Widen(line));
  }
  d.overlay = PlaceOverlay(d.cursor, atCursor.Monitor(), atCursor.ReadoutSize(d.readout), magnifier,
                           selection.DragAnchor());
  return d;
}

void SelectionView::Prepare(const ui::MemoryBitmap& picture, Point origin, HFONT font) {
  picture_ = &picture;
  origin_ = origin;
  if (!copy_ || copy_->Width() != monitor_.width || copy_->Height() != monitor_.height) {
    font_.reset();
    copy_.emplace(monitor_.width, monitor_.height);
  }
  HDC dc = copy_->Dc();
  if (!font_) font_.emplace(dc, font);
  BitBlt(dc, 0, 0, monitor_.width, monitor_.height, picture.Dc(), monitor_.left - origin.x, monitor_.top - origin.y,
         SRCCOPY);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  lineHeight_ = metrics.tmHeight;
  shown_ = {};
  painted_ = false;
}

void SelectionView::Release() {
  font_.reset();
  copy_.reset();
  picture_ = nullptr;
}

Size SelectionView::ReadoutSize(const std::vector<std::wstring>& lines) const {
  int width = 0;
  for (const std::wstring& line : lines) {
    SIZE size{};
    if (copy_) GetTextExtentPoint32W(copy_->Dc(), line.c_str(), static_cast<int>(line.size()), &size);
    width = std::max(width, static_cast<int>(size.cx));
  }
  return {width + 2 * kPadX, static_cast<int>(lines.size()) * lineHeight_ + 2 * kPadY};
}

RECT SelectionView::OnWindow(const WindowRect& r) const {
  const int left = r.left - monitor_.left, top = r.top - monitor_.top;
  return {left, top, left + r.width, top + r.height};
}

std::vector<WindowRect> SelectionView::AreasOf(const SelectionDecorations& d) const {
  std::vector<WindowRect> areas;
  if (d.outline) areas = OutlineStrips(*d.outline, monitor_);
  areas.insert(areas.end(), d.handles.begin(), d.handles.end());
  if (d.overlay) {
    areas.push_back(d.overlay->readout);
    if (d.overlay->magnifier) areas.push_back(*d.overlay->magnifier);
  }
  return areas;
}

void SelectionView::Show(const SelectionDecorations& next) {
  if (!copy_ || next == shown_) return;
  std::vector<WindowRect> areas = AreasOf(shown_);
  const std::vector<WindowRect> nextAreas = AreasOf(next);
  areas.insert(areas.end(), nextAreas.begin(), nextAreas.end());
  areas = MergeAreas(areas, monitor_);
  shown_ = next;
  // Nothing of it on this monitor.
  if (areas.empty()) return;
  // The areas get the bare picture back, then what is drawn there now.
  HDC dc = copy_->Dc();
  for (const WindowRect& a : areas) {
    const RECT r = OnWindow(a);
    BitBlt(dc, r.left, r.top, a.width, a.height, picture_->Dc(), a.left - origin_.x, a.top - origin_.y, SRCCOPY);
  }
  Draw(next);
  ui::WindowDc window(window_);
  for (const WindowRect& a : areas) {
    const RECT r = OnWindow(a);
    BitBlt(window.Get(), r.left, r.top, a.width, a.height, dc, r.left, r.top, SRCCOPY);
  }
}

void SelectionView::Draw(const SelectionDecorations& d) {
  HDC dc = copy_->Dc();
  if (d.outline) {
    // Each pixel of the outline inverted once: it shows on any picture.
    for (const WindowRect& strip : OutlineStrips(*d.outline, monitor_)) {
      const RECT r = OnWindow(strip);
      PatBlt(dc, r.left, r.top, strip.width, strip.height, DSTINVERT);
    }
  }
  // The handles: white squares in a black frame, seen on any picture.
  for (const WindowRect& handle : d.handles) {
    RECT r = OnWindow(handle);
    Fill(dc, r, RGB(255, 255, 255));
    FrameRect(dc, &r, Stock(BLACK_BRUSH));
  }
  // The readout and the magnifier lie on one monitor.
  if (d.overlay && !MergeAreas({d.overlay->readout}, monitor_).empty()) {
    if (d.overlay->magnifier) DrawMagnifier(*d.overlay->magnifier, d.cursor);
    DrawReadout(d.overlay->readout, d.readout);
  }
}

void SelectionView::DrawMagnifier(const WindowRect& magnifier, Point cursor) {
  HDC dc = copy_->Dc();
  Fill(dc, OnWindow(MagnifierInside(magnifier)), kNothingShown);
  const WindowRect picture{origin_.x, origin_.y, picture_->Width(), picture_->Height()};
  if (const std::optional<MagnifierCopy> copy = MagnifierSource(cursor, magnifier, picture)) {
    const RECT to = OnWindow(copy->to);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, to.left, to.top, copy->to.width, copy->to.height, picture_->Dc(), copy->from.left, copy->from.top,
               copy->from.width, copy->from.height, SRCCOPY);
  }
  RECT border = OnWindow(magnifier);
  FrameRect(dc, &border, Stock(BLACK_BRUSH));
  InflateRect(&border, -1, -1);
  FrameRect(dc, &border, Stock(WHITE_BRUSH));
  // The cursor's pixel: a white frame in a black one, seen on any colour.
  RECT cell = OnWindow(MagnifiedCursor(magnifier));
  FrameRect(dc, &cell, Stock(WHITE_BRUSH));
  InflateRect(&cell, 1, 1);
  FrameRect(dc, &cell, Stock(BLACK_BRUSH));
}

void SelectionView::DrawReadout(const WindowRect& box, const std::vector<std::wstring>& lines) {
  HDC dc = copy_->Dc();
  const RECT r = OnWindow(box);
  Fill(dc, r, kReadoutBack);
  SetTextColor(dc, kReadoutText);
  for (size_t i = 0; i < lines.size(); ++i) {
    ExtTextOutW(dc, r.left + kPadX, r.top + kPadY + static_cast<int>(i) * lineHeight_, ETO_CLIPPED, &r,
                lines[i].c_str(), static_cast<UINT>(lines[i].size()), nullptr);
  }
  FrameRect(dc, &r, Stock(BLACK_BRUSH));
}

void SelectionView::Paint(HDC dc, const RECT& area) const {
  if (!copy_) return;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, copy_->Dc(), area.left, area.top,
         SRCCOPY);
}

}  // namespace nolb
