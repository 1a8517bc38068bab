// Process-wide scratch values through which controls and their parents hand
// each other background information while one control is painted. They are
// valid only right after the synchronous query that filled them and are used
// on the user-interface thread only.
#pragma once

#include "pixels/cache_info.h"
#include "pixels/color.h"

namespace au {

// The answer to a request for the parent's cache.
extern TCacheInfo CacheInfo;

// The answer to a request for the parent's background colour; magenta means
// that no parent answered.
extern TColor SharedBackgroundColor;

// The colour that stands in for the parent's cache while a control without a
// parent cache is painted; magenta means unset.
extern TColor ParentFillColor;

}  // namespace au
