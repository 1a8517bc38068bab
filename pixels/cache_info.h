// Where a control finds its parent's background: the parent's cache bitmap and
// the offset of the parent's client origin inside it.
#pragma once

#include "pixels/bitmap24.h"

namespace au {

struct TCacheInfo {
  Bitmap24* Bitmap = nullptr;
  int X = 0;
  int Y = 0;
  bool Ready = false;  // false: there is no parent background to copy from
};

}  // namespace au
