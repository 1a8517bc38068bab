#include "paint/anim_timer.h"

#include "paint/animation_settings.h"
#include "paint/fade_frame.h"
#include "paint/paint_child_scope.h"
#include "ui/application.h"

namespace au {
namespace {

// Ends a step whichever way it is left: the step counts and the timer is
// free for the next one.
class StepEnd {
 public:
  explicit StepEnd(TsAnimTimer& timer) : timer_(timer) { timer_.Busy = true; }
  ~StepEnd() {
    ++timer_.CurrentStep;
    timer_.Busy = false;
  }
  StepEnd(const StepEnd&) = delete;
  StepEnd& operator=(const StepEnd&) = delete;

 private:
  TsAnimTimer& timer_;
};

}  // namespace

TsAnimTimer::TsAnimTimer(TsCommonData& ownerState) : TTimer(nullptr), OwnerState(ownerState) {
  SetEnabled(false);
  SetInterval(kAnimationInterval);
  OnTimer = [this](TTimer*) { Tick(); };
}

bool TsAnimTimer::ShowsFrameOf(const TControl& control) const {
  return Enabled() && WorkPicture.Width() == control.Width();
}

void TsAnimTimer::Tick() {
  TControl* control = OwnerState.OwnerControl;
  if (control == nullptr || control->IsDestroying() || Application()->Terminated()) {
    SetEnabled(false);
    return;
  }
  if (CurrentStep < 0 || CurrentStep > StepCount) {
    // Finished. The control frees this timer in its answer, so nothing of it
    // may be touched afterwards; stopped first, it stays quiet even for a
    // control that does not answer.
    SetEnabled(false);
    SkinCommandToControl(control, SK_STOPFADING);
    return;
  }
  FadeStep(*this);
}

void FadeStep(TsAnimTimer& timer) {
  TControl* control = timer.OwnerState.OwnerControl;
  const Bitmap24* target = timer.OwnerState.CacheBitmap.get();
  if (timer.Busy || control == nullptr || control->IsDestroying() || target == nullptr ||
      timer.StepCount == 0 || timer.CurrentStep < 0) {
    ++timer.CurrentStep;
    return;
  }
  const StepEnd end(timer);
  ComposeFadeFrame(timer.WorkPicture, timer.StartPicture, *target,
                   FadeAlpha(timer.CurrentStep, timer.StepCount));
  const PaintChildScope only(*control);
  // The frame is ready: nothing is waiting for a background to be rebuilt.
  SkinCommandToControl(control, SK_SETUPDATING);
  control->Repaint();
}

}  // namespace au
