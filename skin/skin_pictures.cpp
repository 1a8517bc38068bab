#include "skin/skin_pictures.h"

#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/jpeg_decoder.h"
#include "skin/skin_files.h"
#include "skin/skin_paths.h"

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

std::optional<Bitmap24> LoadNamedBmp(std::string_view skinPath, std::string_view value) {
  const std::string fileName = UpperCase(value);
  if (!Contains(fileName, ".BMP")) return std::nullopt;
  return LoadBmpPicture(ResolveSkinFile(skinPath, fileName));
}

std::optional<Bitmap24> LoadNamedJpeg(std::string_view skinPath, std::string_view value) {
  const std::string fileName = UpperCase(value);
  if (!NamesJpegFile(fileName)) return std::nullopt;
  return LoadJpegPicture(ResolveSkinFile(skinPath, fileName));
}

void ForEachJpegEntry(const IniFile& options, std::string_view skinPath,
                      const TakeJpegEntry& take) {
  for (const IniFile::Section& section : options.Sections()) {
    for (const IniFile::Entry& entry : section.Entries) {
      if (std::optional<Bitmap24> picture = LoadNamedJpeg(skinPath, entry.Value))
        take(section, entry, std::move(*picture));
    }
  }
}

}  // namespace au
