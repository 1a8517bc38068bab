#include "skin/skin_pictures.h"

#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/jpeg_decoder.h"
#include "skin/skin_paths.h"

namespace au {
namespace {

template <typename Decoder>
std::optional<Bitmap24> LoadPicture(const MaskSource& source, const EntryPlace& place,
                                    std::string_view fileName, Decoder decode) {
  const SkinFileSource& files = source.FileSource();
  const std::string path = ResolveSkinFile(source.SkinPath, fileName);
  if (!files.FileExists(path)) {
    source.Skip(place, fileName, "file not found");
    return std::nullopt;
  }
  const auto bytes = files.ReadFile(path);
  if (!bytes) {
    source.Skip(place, fileName, "file could not be read");
    return std::nullopt;
  }
  std::string problem;
  std::optional<Bitmap24> picture = decode(std::span<const std::uint8_t>(*bytes), &problem);
  if (!picture || picture->Empty()) {
    source.Skip(place, fileName, "picture could not be decoded (" + problem + ")");
    return std::nullopt;
  }
  return picture;
}

// Picture kinds that people put into skin folders but that no skin can use.
bool NamesForeignPicture(std::string_view upperValue) {
  static constexpr std::string_view kForeign[] = {".PNG",  ".GIF", ".ICO", ".TIF",
                                                  ".TIFF", ".TGA", ".PCX", ".WEBP"};
  for (const std::string_view extension : kForeign)
    if (upperValue.ends_with(extension)) return true;
  return false;
}

}  // namespace

std::optional<Bitmap24> LoadBmpPicture(const MaskSource& source, const EntryPlace& place,
                                       std::string_view fileName) {
  return LoadPicture(source, place, fileName,
                     [](auto file, std::string* problem) { return DecodeBmp(file, problem); });
}

std::optional<Bitmap24> LoadJpegPicture(const MaskSource& source, const EntryPlace& place,
                                        std::string_view fileName) {
  return LoadPicture(source, place, fileName,
                     [](auto file, std::string* problem) { return DecodeJpeg(file, problem); });
}

bool NamesJpegFile(std::string_view upperValue) {
  return Contains(upperValue, ".JPG") || Contains(upperValue, ".JPEG");
}

std::optional<Bitmap24> LoadNamedBmp(const MaskSource& source, const EntryPlace& place,
                                     std::string_view value) {
  const std::string fileName = UpperCase(value);
  if (Contains(fileName, ".BMP")) return LoadBmpPicture(source, place, fileName);
  if (NamesForeignPicture(fileName)) source.Skip(place, value, "unknown image type");
  return std::nullopt;
}

std::optional<Bitmap24> LoadNamedJpeg(const MaskSource& source, const EntryPlace& place,
                                      std::string_view value) {
  const std::string fileName = UpperCase(value);
  if (!NamesJpegFile(fileName)) return std::nullopt;
  return LoadJpegPicture(source, place, fileName);
}

void ForEachJpegEntry(const IniFile& options, const MaskSource& source, const TakeJpegEntry& take) {
  for (const IniFile::Section& section : options.Sections()) {
    for (const IniFile::Entry& entry : section.Entries) {
      if (std::optional<Bitmap24> picture =
              LoadNamedJpeg(source, {section.Name, entry.Key}, entry.Value))
        take(section, entry, std::move(*picture));
    }
  }
}

}  // namespace au
