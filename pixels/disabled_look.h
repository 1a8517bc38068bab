// The picture of a disabled control: grey, or faded into its parent's
// background, or both.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

inline constexpr int kDisabledBlend = 1;  // fade into the parent's background
inline constexpr int kDisabledGray = 2;   // turn grey

// `position` is the control's place in its parent. With a Ready parent cache
// the control keeps 40 % of its picture and takes 60 % of the parent's pixels
// behind it. Without one it is mixed half and half with `sharedBackground` (the
// parent's colour as last reported), or with its own `controlColor` when that
// is magenta (no report).
void ApplyDisabledLook(Bitmap24& bitmap, int flags, TColor controlColor, TPoint position,
                       const TCacheInfo& parentCache, TColor sharedBackground);

}  // namespace au
