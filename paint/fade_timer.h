// TsFadeTimer: a fade that copies each frame straight to the control's window
// instead of having the control repaint itself. The control is told
// SK_FADEPREPARE before the fade starts (to paint its new look into its
// cache) and is offered every frame with SK_FADEFRAME first; a control that
// answers 0 leaves the copying to the timer.
#pragma once

#include <memory>

#include "paint/common_data.h"
#include "paint/fading_control.h"
#include "pixels/bitmap24.h"
#include "ui/timer.h"

namespace au {

enum TsFadeMode : int { fmNone = 0, fmFadeIn = 1, fmFadeOut = 2 };

class TsFadeTimer : public TTimer {
 public:
  // Made disabled, with no fade mode.
  explicit TsFadeTimer(TsCommonData& ownerState);

  TsCommonData& OwnerState;
  int StepCount = 0;
  int CurrentStep = 1;
  Bitmap24 StartPicture;

  TsFadeMode FadeMode() const { return fadeMode_; }
  // The timer runs exactly while a fade mode is set.
  void SetFadeMode(TsFadeMode mode);

 private:
  void Tick();
  void ShowFrame(TControl& control);

  TsFadeMode fadeMode_ = fmNone;
};

// Starts (or turns round) a fade through the window of a control whose
// section fades; `fast` halves it.
void FadeThroughWindow(TsFadingControl& control, std::unique_ptr<TsFadeTimer>& timer, bool fast,
                       TsFadeMode mode);
// Ends a fade through the window and frees its timer.
void StopFadeThroughWindow(std::unique_ptr<TsFadeTimer>& timer);
// The owner's decision on a state change, as for the animation timer: fade
// through the window when allowed, else stop any fade and repaint at once.
void ChangeStateWithWindowFade(TsFadingControl& control, std::unique_ptr<TsFadeTimer>& timer,
                               bool fast, bool animate, TsFadeMode mode);

}  // namespace au
