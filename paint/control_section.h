// A skinned control's whole section picture in its cache: the background
// layers, the section's border and its four corner images.
#pragma once

#include "paint/common_data.h"
#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/rect.h"

namespace au {

// `cache` is the parent's background (RequestParentCache), `position` the
// control's place in its parent, `state` 0 for normal and above for hot or
// pressed looks.
void PaintControlSection(TsCommonData& data, const TCacheInfo& cache, bool fillCentre,
                         bool parentFill, Bitmap24& bitmap, TPoint position, const TRect& r,
                         int state);

}  // namespace au
