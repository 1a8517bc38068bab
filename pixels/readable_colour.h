// Choosing a text colour that can be read on a background: the contrast ratio
// of two colours by their relative luminance (1:1 for equal colours, 21:1 for
// black on white), and the mean colour of a stretch of a picture.
#pragma once

#include "pixels/bitmap24.h"
#include "pixels/color.h"
#include "pixels/rect.h"

namespace au {

// The ratio of the lighter colour's relative luminance (plus 0.05) to the
// darker one's; system colours are resolved first.
double ContrastRatio(TColor a, TColor b);

// The ratio below which a text is hard to read on its background.
inline constexpr double kReadableContrast = 4.5;

// `preferred` when it stands out that far from `background`, else black or
// white, whichever stands out more. The result is resolved.
TColor ReadableColour(TColor preferred, TColor background);

// The mean of the pixels of `r` that lie inside `b`; black when none does.
TColor MeanColour(const Bitmap24& b, const TRect& r);

}  // namespace au
