#include <cstdlib>
#include <new>

#include "pixels/bitmap24.h"

namespace au {

PixelStorage AllocatePixels(int width, int height) {
  const std::ptrdiff_t stride = (3 * std::ptrdiff_t(width) + 3) & ~std::ptrdiff_t(3);
  void* bits = std::calloc(std::size_t(stride) * std::size_t(height), 1);
  if (bits == nullptr) throw std::bad_alloc();
  return {static_cast<std::uint8_t*>(bits), stride, nullptr};
}

void FreePixels(const PixelStorage& storage) {
  std::free(storage.row0);
}

}  // namespace au
