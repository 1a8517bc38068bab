#include "skin/skin_pictures.h"

#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/jpeg_decoder.h"
#include "skin/skin_files.h"

namespace au {
namespace {

template <typename Decoder>
std::optional<Bitmap24> LoadPicture(const std::string& path, Decoder decode) {
  const auto bytes = ReadSkinFile(path);
  if (!bytes) return std::nullopt;
  std::optional<Bitmap24> picture = decode(std::span<const std::uint8_t>(*bytes));
  if (!picture || picture->Empty()) return std::nullopt;
  return picture;
}

}  // namespace

std::optional<Bitmap24> LoadBmpPicture(const std::string& path) {
  return LoadPicture(path, [](std::span<const std::uint8_t> file) { return DecodeBmp(file); });
}

std::optional<Bitmap24> LoadJpegPicture(const std::string& path) {
  return LoadPicture(path, [](std::span<const std::uint8_t> file) { return DecodeJpeg(file); });
}

bool NamesJpegFile(std::string_view upperValue) {
  return Contains(upperValue, ".JPG") || Contains(upperValue, ".JPEG");
}

}  // namespace au
