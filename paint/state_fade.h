// Fading a control from its old look into its new one with an animation
// timer that the control owns (empty while it is idle).
#pragma once

#include <memory>

#include "paint/anim_timer.h"
#include "paint/fading_control.h"

namespace au {

// The control has taken a new state: it fades into it when `animate` is set
// and fading is allowed (MayStartFade); otherwise a running fade stops and the
// control repaints at once. `fast` (a press or release) halves the fade.
void ChangeStateWithFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer, bool fast,
                         bool animate);

// Starts a fade from the control's present cache into its new state. A fade
// that is still running is replaced, and the new one starts as far in as the
// old one still had to go, so that a reversal does not start from the far end.
void StartStateFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer, bool fast);

// Stops and frees a running fade. Unless the control is being destroyed, a
// fade that has shown a frame is replaced by the control's final look; true
// when the control was repainted for that.
bool StopStateFade(TsFadingControl& control, std::unique_ptr<TsAnimTimer>& timer);

}  // namespace au
