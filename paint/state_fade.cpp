#include "paint/state_fade.h"

#include "paint/animation_settings.h"
#include "paint/repaint_border_corners.h"
#include "skin/general_data.h"

namespace au {

void ChangeStateWithFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer, bool fast,
                         bool animate) {
  TsCommonData& state = control.FadingState();
  const bool fade = MayStartFade(state, animate);
  state.BackgroundChanged = true;
  if (fade) {
    StartStateFade(control, timer, fast);
  } else if (!StopStateFade(control, timer)) {
    control.RepaintState();
  }
}

void StartStateFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer, bool fast) {
  TsCommonData& state = control.FadingState();
  if (state.OwnerObject != nullptr && state.OwnerObject->IsDesigning()) return;
  int startStep = 1;
  if (timer) {
    startStep = timer->StepCount - timer->CurrentStep;
    timer.reset();
  }
  const TsGeneralData* section = state.Section();
  if (!FadingAllowed(section)) return;

  auto next = std::make_unique<TsAnimTimer>(state);
  next->StepCount = fast ? section->FadingIterations / 2 : section->FadingIterations;
  next->CurrentStep = startStep;
  if (state.CacheBitmap) next->StartPicture = state.CacheBitmap->Clone();
  timer = std::move(next);

  RepaintBorderCorners(state, control.PaintStateToCache());
  timer->SetEnabled(true);
  FadeStep(*timer);
}

bool StopStateFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer) {
  if (!timer) return false;
  TsCommonData& state = control.FadingState();
  const TComponent* owner = state.OwnerObject;
  bool repaint = false;
  if (owner == nullptr || (!owner->IsDestroying() && !owner->IsDesigning())) {
    timer->SetEnabled(false);
    repaint = timer->CurrentStep != 0;
  }
  // Freed before the repaint, which must show the cache rather than a frame.
  timer.reset();
  if (!repaint) return false;
  state.BackgroundChanged = true;
  control.RepaintState();
  return true;
}

}  // namespace au
