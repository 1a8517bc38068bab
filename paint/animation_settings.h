// Process-wide settings of the state animations: which events fade for a
// control that asks for the defaults, when no animation may start at all,
// and the pace of the animation timers.
#pragma once

#include "paint/animat_events.h"

namespace au {

struct TsGeneralData;

// The events that fade for a control whose set holds aeGlobalDef.
extern TacAnimatEvents DefaultAnimatEvents;

// The animation timers tick every 10 ms; the sections' fading intervals are
// loaded with the skin but do not change it.
inline constexpr unsigned kAnimationInterval = 10;

// True when `event` is in `events`, or `events` defers to the default set and
// the default set holds it.
bool AnimationEventEnabled(TacAnimatEvent event, TacAnimatEvents events);

// While a skin is loaded and applied no animation starts: every window is
// about to repaint with the new skin anyway.
bool AnimationSuspended();

// A state change of a control painted from `section` may fade now.
bool FadingAllowed(const TsGeneralData* section);

}  // namespace au
