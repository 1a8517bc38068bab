#include "pixels/bitmap24.h"

#include <cstring>
#include <utility>

namespace au {

Bitmap24::Bitmap24(int width, int height) {
  SetSize(width, height);
}

Bitmap24::~Bitmap24() {
  Release();
}

Bitmap24::Bitmap24(Bitmap24&& other) noexcept {
  *this = std::move(other);
}

Bitmap24& Bitmap24::operator=(Bitmap24&& other) noexcept {
  if (this != &other) {
    Release();
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    row0_ = std::exchange(other.row0_, nullptr);
    stride_ = std::exchange(other.stride_, 0);
    handle_ = std::exchange(other.handle_, nullptr);
    transparent_ = std::exchange(other.transparent_, false);
    transparentColor_ = other.transparentColor_;
  }
  return *this;
}

Bitmap24 Bitmap24::Clone() const {
  Bitmap24 copy(width_, height_);
  for (int y = 0; y < height_; ++y) std::memcpy(copy.Row(y), Row(y), 3 * std::size_t(width_));
  copy.transparent_ = transparent_;
  copy.transparentColor_ = transparentColor_;
  return copy;
}

void Bitmap24::Fill(TColor c) {
  if (Empty()) return;
  std::uint8_t* first = Row(0);
  for (int x = 0; x < width_; ++x) SetPixel(x, 0, c);
  for (int y = 1; y < height_; ++y) std::memcpy(Row(y), first, 3 * std::size_t(width_));
}

void Bitmap24::SetSize(int width, int height) {
  Release();
  if (width <= 0 || height <= 0) return;
  const PixelStorage storage = AllocatePixels(width, height);
  width_ = width;
  height_ = height;
  row0_ = storage.row0;
  stride_ = storage.stride;
  handle_ = storage.handle;
}

void Bitmap24::Release() {
  if (row0_ != nullptr) FreePixels({row0_, stride_, handle_});
  width_ = height_ = 0;
  row0_ = nullptr;
  stride_ = 0;
  handle_ = nullptr;
}

}  // namespace au
