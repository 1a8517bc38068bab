#include "paint/animation_settings.h"

#include "skin/general_data.h"
#include "skin/skin_globals.h"

namespace au {

TacAnimatEvents DefaultAnimatEvents{aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp};

bool AnimationEventEnabled(TacAnimatEvent event, TacAnimatEvents events) {
  return events.Contains(event) ||
         (events.Contains(aeGlobalDef) && DefaultAnimatEvents.Contains(event));
}

bool AnimationSuspended() {
  return SkinChangeInProgress;
}

bool FadingAllowed(const TsGeneralData* section) {
  return section != nullptr && section->FadingEnabled && !AnimationSuspended();
}

}  // namespace au
