#include <windows.h>

#include <new>

#include "pixels/bitmap24.h"

namespace au {

PixelStorage AllocatePixels(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the first row in memory
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle == nullptr || bits == nullptr) throw std::bad_alloc();
  const std::ptrdiff_t stride = (3 * std::ptrdiff_t(width) + 3) & ~std::ptrdiff_t(3);
  return {static_cast<std::uint8_t*>(bits), stride, handle};
}

void FreePixels(const PixelStorage& storage) {
  DeleteObject(static_cast<HBITMAP>(storage.handle));
}

}  // namespace au
