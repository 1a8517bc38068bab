// Bitmap files come from skin folders that anyone may have made. Whatever the
// bytes, the reader must either refuse them or produce a picture whose every
// pixel can be read, and whose 24-bit file reads back to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "pixels/bmp_file.h"

namespace {

// Large pictures run the same code as small ones but cost a fill of up to
// 192 MB each (a run-length file may describe a huge picture in a few bytes),
// so inputs that claim more than 64 Ki pixels are left to the unit tests.
bool ClaimsHugePicture(const std::uint8_t* data, std::size_t size) {
  if (size < 26) return false;
  const auto s32 = [data](std::size_t at) {
    return std::int32_t(std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 |
                        std::uint32_t(data[at + 2]) << 16 | std::uint32_t(data[at + 3]) << 24);
  };
  const std::int64_t width = s32(18);
  const std::int64_t height = s32(22);
  return width * (height < 0 ? -height : height) > (std::int64_t(1) << 16);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (ClaimsHugePicture(data, size)) return 0;
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
