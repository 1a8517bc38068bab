// TsAnimTimer: the state animation of a control. Each tick blends the picture
// the control showed before its change into its new cache, one step further,
// and has the control repaint itself with that frame (its painting shows
// WorkPicture while the timer runs).
#pragma once

#include "paint/common_data.h"
#include "pixels/bitmap24.h"
#include "ui/timer.h"

namespace au {

class TsAnimTimer : public TTimer {
 public:
  // Made disabled; once enabled it ticks every kAnimationInterval ms.
  explicit TsAnimTimer(TsCommonData& ownerState);

  // The animated control's skin state; its cache is the picture faded to.
  TsCommonData& OwnerState;
  // The fade's length: the section's FadingIterations (halved for a press or release).
  int StepCount = 0;
  // The step shown next.
  int CurrentStep = 0;
  // The control's picture before the change.
  Bitmap24 StartPicture;
  // The frame being shown.
  Bitmap24 WorkPicture;
  // A step is being computed: ticks that arrive meanwhile only count.
  bool Busy = false;

  // The timer runs and holds a frame the width of its control.
  bool ShowsFrameOf(const TControl& control) const;

 private:
  void Tick();
};

// Computes the frame of CurrentStep and has the control repaint with it; the
// step advances in any case.
void FadeStep(TsAnimTimer& timer);

}  // namespace au
