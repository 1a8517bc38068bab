#include "paint/fading_control.h"

#include "paint/animation_settings.h"

namespace au {

bool MayStartFade(const TsCommonData& state, bool animate) {
  return animate && FadingAllowed(state.Section()) && !state.BackgroundChanged;
}

}  // namespace au
