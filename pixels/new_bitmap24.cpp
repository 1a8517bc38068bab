#include "pixels/new_bitmap24.h"

namespace au {

std::unique_ptr<Bitmap24> NewBitmap24(int width, int height) {
  return std::make_unique<Bitmap24>(width, height);
}

std::unique_ptr<Bitmap24> NewBitmap24Like(const Bitmap24& model) {
  return NewBitmap24(model.Width(), model.Height());
}

}  // namespace au
