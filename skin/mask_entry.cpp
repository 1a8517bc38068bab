#include "skin/mask_entry.h"

#include <cstdint>
#include <string>
#include <vector>

#include "skin/ansi_text.h"
#include "skin/mask_geometry.h"
#include "skin/number_text.h"
#include "skin/skin_paths.h"
#include "skin/skin_pictures.h"

namespace au {
namespace {

// The `count` characters from 1-based position `first`, converted strictly; a
// value too short for the field gives an empty text, which is no number.
std::int32_t Field(std::string_view value, std::size_t first, std::size_t count) {
  const std::size_t start = first - 1;
  return StrToInt(start < value.size() ? value.substr(start, count) : std::string_view());
}

std::string_view WordAt(const std::vector<std::string_view>& words, std::size_t index) {
  return index < words.size() ? words[index] : std::string_view();
}

TRect FieldRect(std::string_view value) {
  return {Field(value, 2, 4), Field(value, 7, 4), Field(value, 12, 4), Field(value, 17, 4)};
}

TsMaskData NewMask(std::string_view section, std::string_view key, TsSkinManager* manager) {
  TsMaskData mask;
  mask.SectionName = section;
  mask.PropertyName = key;
  mask.Manager = manager;
  return mask;
}

void TakePicture(TsMaskData& mask, Bitmap24 picture) {
  mask.Rect = {0, 0, picture.Width(), picture.Height()};
  mask.Image = std::move(picture);
}

TsMaskData GlyphEntry(TsMaskData mask, std::string_view value) {
  mask.Rect = FieldRect(value);
  mask.ImageCount = Narrow16(Field(value, 22, 1));
  mask.MaskType = Narrow16(Field(value, 24, 1));
  mask.ImgType = itisaGlyph;
  return mask;
}

TsMaskData BorderEntry(TsMaskData mask, std::string_view value) {
  mask.Rect = FieldRect(value);
  mask.WL = Narrow16(Field(value, 22, 4));
  mask.WT = Narrow16(Field(value, 27, 4));
  mask.WR = Narrow16(Field(value, 32, 4));
  mask.WB = Narrow16(Field(value, 37, 4));
  mask.ImageCount = Narrow16(Field(value, 42, 1));
  mask.MaskType = Narrow16(Field(value, 44, 1));
  mask.StretchMode = Narrow16(Field(value, 46, 1));
  mask.BorderWidth = Narrow16(Field(value, 48, 1));
  mask.ImgType = itisaBorder;
  CompleteBorderWidths(mask);
  return mask;
}

TsMaskData TextureEntry(TsMaskData mask, std::string_view value) {
  mask.Rect = FieldRect(value);
  mask.StretchMode = Narrow16(Field(value, 22, 2));
  mask.MaskType = value.size() >= 25 ? Narrow16(Field(value, 25, 1)) : std::int16_t{0};
  mask.ImageCount = 1;
  mask.ImgType = itisaTexture;
  return mask;
}

std::optional<TsMaskData> OwnPictureEntry(TsMaskData mask, std::string_view value,
                                          const MaskSource& source) {
  const EntryPlace place{mask.SectionName, mask.PropertyName};
  const std::vector<std::string_view> words = SplitWords(value, "!");
  const std::string_view fileName = WordAt(words, 0);
  if (!Contains(fileName, ".BMP")) {
    source.Skip(place, fileName, "not a BMP (the name lacks \".BMP\" in capitals)");
    return std::nullopt;
  }
  if (!source.FileSource().FileExists(ResolveSkinFile(source.SkinPath, fileName))) {
    source.Skip(place, fileName, "file not found");
    return std::nullopt;
  }

  mask.ImageCount = Narrow16(StrToInt(WordAt(words, 1)));
  mask.MaskType = Narrow16(StrToInt(WordAt(words, 2)));
  const std::int32_t imgType = StrToInt(WordAt(words, 3));
  const bool givesWidths = words.size() >= 5;
  if (givesWidths) {
    mask.WL = Narrow16(StrToInt(WordAt(words, 4)));
    mask.WT = Narrow16(StrToInt(WordAt(words, 5)));
    mask.WR = Narrow16(StrToInt(WordAt(words, 6)));
    mask.WB = Narrow16(StrToInt(WordAt(words, 7)));
  }
  // No painter knows another kind of image: such an entry is left out.
  if (imgType < itisaBorder || imgType > itisaGlyph) {
    source.Skip(place, {}, "unknown image type (" + std::to_string(imgType) + ")");
    return std::nullopt;
  }
  mask.ImgType = static_cast<TacImgType>(imgType);

  std::optional<Bitmap24> picture = LoadBmpPicture(source, place, fileName);
  if (!picture) return std::nullopt;
  TakePicture(mask, std::move(*picture));
  if (!givesWidths) SetDefaultBorderWidths(mask);
  return mask;
}

std::optional<TsMaskData> PlainFileEntry(std::string_view section, std::string_view key,
                                         std::string_view value, const MaskSource& source) {
  std::optional<Bitmap24> picture = LoadNamedBmp(source, {section, key}, value);
  if (!picture) return std::nullopt;
  TsMaskData mask = NewMask(UpperCase(section), UpperCase(key), source.Manager);
  TakePicture(mask, std::move(*picture));
  mask.ImageCount = 3;
  mask.MaskType = 1;
  mask.ImgType = itisaBorder;
  SetDefaultBorderWidths(mask);
  return mask;
}

}  // namespace

bool IsPatternProperty(std::string_view upperPropertyName) {
  return upperPropertyName == "PATTERN" || upperPropertyName == "HOTPATTERN";
}

std::optional<TsMaskData> ReadRectangleEntry(std::string_view section, std::string_view key,
                                             std::string_view value, const MaskSource& source) {
  if (value == "#") {
    source.Skip({section, key}, {}, "entry names no image");
    return std::nullopt;
  }
  const std::vector<std::string_view> words = SplitWords(value, " ()");
  const std::vector<std::string_view> corners = SplitWords(WordAt(words, 1), ", ");
  const std::vector<std::string_view> counts = SplitWords(WordAt(words, 2), ", ");

  TsMaskData mask = NewMask(UpperCase(section), UpperCase(key), source.Manager);
  mask.Rect = {StrToInt(WordAt(corners, 0)), StrToInt(WordAt(corners, 1)),
               StrToInt(WordAt(corners, 2)), StrToInt(WordAt(corners, 3))};
  mask.ImageCount = Narrow16(std::max(1, StrToInt(WordAt(counts, 0))));
  mask.MaskType = Narrow16(std::max(0, StrToInt(WordAt(counts, 1))));
  mask.BorderWidth = Narrow16(counts.size() > 2 ? std::max(0, StrToInt(counts[2])) : 0);
  const std::int32_t stretchMode = counts.size() > 3 ? StrToInt(counts[3]) : 1;
  if (IsPatternProperty(mask.PropertyName)) {
    mask.ImgType = itisaTexture;
    mask.StretchMode = 0;
  } else {
    mask.ImgType = itisaBorder;
    mask.StretchMode = Narrow16(stretchMode);
  }
  CompleteBorderWidths(mask);
  return mask;
}

std::optional<TsMaskData> ReadImageEntry(std::string_view section, std::string_view key,
                                         std::string_view value, const MaskSource& source) {
  const char first = value.empty() ? '\0' : value.front();
  switch (first) {
    case '@':
      return GlyphEntry(NewMask(section, key, source.Manager), value);
    case '^':
      return BorderEntry(NewMask(section, key, source.Manager), value);
    case '~':
      return TextureEntry(NewMask(section, key, source.Manager), value);
    case '!':
      return OwnPictureEntry(NewMask(section, key, source.Manager), value, source);
    default:
      break;
  }
  if (!Contains(value, "#")) return PlainFileEntry(section, key, value, source);
  return ReadRectangleEntry(section, key, value, source);
}

}  // namespace au
