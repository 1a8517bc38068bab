// JPEG pattern pictures of skin folders, decoded as the loader decodes them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace au;
  const std::optional<Bitmap24> picture = DecodeJpeg(std::span(data, size));
  if (!picture) return 0;
  if (picture->Empty() ||
      std::uint64_t(picture->Width()) * std::uint64_t(picture->Height()) > kMaxJpegPixels)
    __builtin_trap();
  // Touch every pixel, so the sanitizer sees any row that was not fully allocated.
  unsigned sum = 0;
  for (int y = 0; y < picture->Height(); ++y) {
    const std::uint8_t* row = picture->Row(y);
    for (int x = 0; x < 3 * picture->Width(); ++x) sum += row[x];
  }
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
