// A 24-bit picture: 3 bytes per pixel in the order blue, green, red, rows
// addressed through a stride. On Windows its pixels live in a device-independent
// section, so GDI can draw into it and blit from it; elsewhere in plain memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels/color.h"

namespace au {

class Bitmap24 {
 public:
  Bitmap24() = default;
  // The pixels start out black.
  Bitmap24(int width, int height);
  ~Bitmap24();

  Bitmap24(Bitmap24&& other) noexcept;
  Bitmap24& operator=(Bitmap24&& other) noexcept;
  Bitmap24(const Bitmap24&) = delete;
  Bitmap24& operator=(const Bitmap24&) = delete;

  // An independent copy with the same pixels and transparency settings.
  Bitmap24 Clone() const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Row y starts at Row0() + y * Stride(); the stride may be negative.
  std::uint8_t* Row0() { return row0_; }
  const std::uint8_t* Row0() const { return row0_; }
  std::ptrdiff_t Stride() const { return stride_; }
  std::uint8_t* Row(int y) { return row0_ + y * stride_; }
  const std::uint8_t* Row(int y) const { return row0_ + y * stride_; }

  // Single-pixel access for tests and slow paths; no bounds check.
  TColor Pixel(int x, int y) const {
    const std::uint8_t* p = Row(y) + 3 * x;
    return MakeColor(p[2], p[1], p[0]);
  }
  void SetPixel(int x, int y, TColor c) {
    std::uint8_t* p = Row(y) + 3 * x;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
  void Fill(TColor c);

  // New size; the previous pixels are dropped and the new ones are black.
  void SetSize(int width, int height);

  // Masks and master bitmaps remember which colour counts as transparent.
  bool Transparent() const { return transparent_; }
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparent(TColor key) {
    transparent_ = true;
    transparentColor_ = key;
  }

  // HBITMAP of the device-independent section on Windows; null elsewhere.
  void* NativeHandle() const { return handle_; }

 private:
  void Release();

  int width_ = 0;
  int height_ = 0;
  std::uint8_t* row0_ = nullptr;
  std::ptrdiff_t stride_ = 0;
  void* handle_ = nullptr;
  bool transparent_ = false;
  TColor transparentColor_ = clMagenta;
};

// Platform storage behind Bitmap24: rows padded to 4 bytes, zero-filled.
struct PixelStorage {
  std::uint8_t* row0 = nullptr;
  std::ptrdiff_t stride = 0;
  void* handle = nullptr;
};
PixelStorage AllocatePixels(int width, int height);
void FreePixels(const PixelStorage& storage);

}  // namespace au
