#include <windows.h>

#include "pixels/color.h"

namespace au {

TColor SystemColorValue(int index) {
  // COLORREF has the same 0x00BBGGRR layout as TColor.
  return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF);
}

}  // namespace au
