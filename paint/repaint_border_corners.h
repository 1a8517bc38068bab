// Redraws the corners of a control's border on its cache with the parent's
// current background behind their transparent pixels.
#pragma once

#include "paint/common_data.h"
#include "paint/masks/border_corners.h"

namespace au {

void RepaintBorderCorners(TsCommonData& data, int state, int corners = kAllCorners);

}  // namespace au
