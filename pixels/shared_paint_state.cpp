#include "pixels/shared_paint_state.h"

namespace au {

TCacheInfo CacheInfo;
TColor SharedBackgroundColor = clMagenta;
TColor ParentFillColor = clMagenta;

}  // namespace au
