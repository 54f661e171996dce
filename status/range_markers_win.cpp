#include "status/range_markers_win.h"

#include "app/main_form_win.h"
#include "status/status_text.h"
#include "ui/window_system_win.h"

namespace nolb {

RangeMarkers::RangeMarkers() {
  for (auto& marker : markers_) {
    marker = std::make_unique<TFormBit>();
    marker->Create(images_.Width(), images_.Height());
  }
  // Off every monitor until the target watch places them, so that markers
  // shown at start-up never flash at the screen's corner.
  Place(ParkedMarkers(Win32WindowSystem().VirtualScreenOrigin()));
}

bool RangeMarkers::Shown() const { return markers_[0]->Visible(); }

void RangeMarkers::ShowAll() {
  for (auto& marker : markers_) marker->ShowWithoutActivating();
}

void RangeMarkers::HideAll() {
  for (auto& marker : markers_) marker->Hide();
}

void RangeMarkers::Place(const MarkerPlaces& places) {
  for (std::size_t i = 0; i < markers_.size(); ++i) markers_[i]->MoveTo(places[i]);
}

void RangeMarkers::Animate() {
  if (Shown()) {
    for (std::size_t i = 0; i < markers_.size(); ++i) {
      markers_[i]->DrawImage(images_, MarkerImageIndex(phase_, static_cast<int>(i)));
    }
  }
  phase_ = NextAnimationPhase(phase_);
}

void TMainForm::NToggleCaptureRangeClick(ui::Component*) {
  if (!markers_) return;
  if (Menu(L"NTogleCaptureRange").Checked()) {
    markers_->ShowAll();
  } else {
    markers_->HideAll();
  }
  FitTargetWatch();
}

}  // namespace nolb
