#include "pixels/tac_fast24.h"

namespace au {

TacFast24 Fast24;
TacFast24 Fast24Second;

bool TacFast24::Attach(const Bitmap24& bitmap) {
  if (bitmap.Width() < 2 || bitmap.Height() < 2) {
    *this = TacFast24{};
    return false;
  }
  Bitmap = &bitmap;
  Width = bitmap.Width();
  Height = bitmap.Height();
  Row0 = bitmap.Row(0);
  Stride = bitmap.Row(1) - bitmap.Row(0);
  return true;
}

}  // namespace au
