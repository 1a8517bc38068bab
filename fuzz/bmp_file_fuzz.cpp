// Bitmap files come from skin folders that anyone may have made. Whatever the
// bytes, the reader must either refuse them or produce a picture whose every
// pixel can be read, and whose 24-bit file reads back to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/claimed_pixels.h"
#include "pixels/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Pictures beyond 64 Ki pixels are left to the unit tests.
  if (au::fuzz::ClaimedBmpPixels({data, size}) > (std::int64_t(1) << 16)) return 0;
  const std::optional<au::Bitmap24> picture = au::DecodeBmp({data, size});
  if (!picture) return 0;
  if (picture->Width() <= 0 || picture->Height() <= 0 ||
      std::int64_t(picture->Width()) * picture->Height() > au::kMaxBmpPixels) {
    __builtin_trap();
  }
  const std::vector<std::uint8_t> file = au::EncodeBmp24(*picture);
  const std::optional<au::Bitmap24> again = au::DecodeBmp(file);
  if (!again || again->Width() != picture->Width() || again->Height() != picture->Height())
    __builtin_trap();
  for (int y = 0; y < picture->Height(); ++y) {
    if (std::memcmp(again->Row(y), picture->Row(y), 3 * std::size_t(picture->Width())) != 0)
      __builtin_trap();
  }
  return 0;
}
