#include "skin/internal_skin_loader.h"

#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/gradient_parser.h"
#include "skin/jpeg_decoder.h"
#include "skin/mask_entry.h"
#include "skin/mask_geometry.h"
#include "skin/number_text.h"

namespace au {
namespace {

std::optional<Bitmap24> DecodeStoredBmp(const TsPictureFile& file) {
  if (file.empty()) return std::nullopt;
  std::optional<Bitmap24> picture = DecodeBmp(std::span<const std::uint8_t>(file));
  if (!picture || picture->Empty()) return std::nullopt;
  return picture;
}

TsMaskData MaskFromStored(const TsSkinImage& item, TsSkinManager* manager) {
  TsMaskData mask;
  if (!item.Name.empty()) {
    if (std::optional<Bitmap24> picture = DecodeStoredBmp(item.Image)) {
      mask.Rect = {0, 0, picture->Width(), picture->Height()};
      mask.Image = std::move(*picture);
    }
  } else {
    mask.Rect = {item.Left, item.Top, item.Right, item.Bottom};
  }
  mask.SectionName = UpperCase(item.SectionName);
  mask.PropertyName = UpperCase(item.PropertyName);
  mask.ImageCount = Narrow16(item.ImageCount);
  mask.MaskType = Narrow16(item.MaskType);
  if (mask.ImageCount == 0) {
    mask.ImageCount = 3;
    mask.MaskType = 1;
  }
  mask.BorderWidth = Narrow16(item.BorderWidth);
  if (IsPatternProperty(mask.PropertyName)) {
    mask.ImgType = itisaTexture;
    mask.StretchMode = item.ImgType == itisaTexture ? Narrow16(item.StretchMode) : std::int16_t{0};
  } else {
    mask.ImgType = item.ImgType;
    mask.StretchMode = Narrow16(item.StretchMode);
  }
  mask.WL = Narrow16(item.WL);
  mask.WT = Narrow16(item.WT);
  mask.WR = Narrow16(item.WR);
  mask.WB = Narrow16(item.WB);
  CompleteBorderWidths(mask);
  mask.Manager = manager;
  return mask;
}

TsGeneralData SectionFromStored(const TsSkinGeneral& item) {
  TsGeneralData r;
  r.ParentClass = item.ParentClass;
  r.SectionName = item.SectionName;
  r.Color = item.Color;
  r.Bevel = item.Bevel;
  r.FontColor = ParseFontColors(item.FontColor);
  r.HotFontColor = ParseFontColors(item.HotFontColor);
  r.ReservedBoolean = item.ReservedBoolean;
  r.ShadowBlur = item.ShadowBlur;
  r.ShadowColor = item.ShadowColor;
  r.ShadowEnabled = item.ShadowEnabled;
  r.ShadowOffset = item.ShadowOffset;
  r.ShadowTransparency = item.ShadowTransparency;
  r.Transparency = item.Transparency;
  r.GradientPercent = item.GradientPercent;
  r.GradientData = item.GradientData;
  r.GradientArray = ParseGradientData(item.GradientData);
  r.ImagePercent = item.ImagePercent;
  r.ShowFocus = item.ShowFocus;
  r.FadingEnabled = item.FadingEnabled;
  r.FadingIntervalIn = item.FadingIntervalIn;
  r.FadingIntervalOut = item.FadingIntervalOut;
  r.FadingIterations = item.FadingIterations;
  r.HotColor = item.HotColor;
  r.HotTransparency = item.HotTransparency;
  r.HotBevel = item.HotBevel;
  r.HotGradientPercent = item.HotGradientPercent;
  r.HotGradientData = item.HotGradientData;
  r.HotGradientArray = ParseGradientData(item.HotGradientData);
  r.HotImagePercent = item.HotImagePercent;
  r.BorderColor1 = item.BorderColor1;
  r.BorderColor2 = item.BorderColor2;
  return r;
}

}  // namespace

const TsPictureFile& StoredPatternFile(const TsStoredSkin& skin, const TsSkinPattern& item) {
  if (!item.Image.empty()) return item.Image;
  for (const TsSkinPattern& other : skin.Patterns)
    if (other.Name == item.Name && !other.Image.empty()) return other.Image;
  return item.Image;
}

TsFontColors ParseFontColors(std::string_view text) {
  const std::vector<std::string_view> words = SplitWords(text, " ");
  if (words.size() != 5) return kDefaultFontColors;
  TsFontColors colors{};
  for (std::size_t i = 0; i < 5; ++i) {
    const std::optional<std::int32_t> number = ParseInteger(words[i]);
    if (!number) return kDefaultFontColors;
    colors[i] = *number;
  }
  return colors;
}

void LoadInternalMasks(const TsStoredSkin& skin, SkinRecords& records, TsSkinManager* manager) {
  if (std::optional<Bitmap24> master = DecodeStoredBmp(skin.MasterBitmap)) {
    master->SetTransparent(clMagenta);
    records.MasterBitmap = std::move(*master);
  }
  records.Masks.reserve(records.Masks.size() + skin.Images.size());
  for (const TsSkinImage& item : skin.Images)
    records.Masks.push_back(MaskFromStored(item, manager));
}

void LoadInternalPatterns(const TsStoredSkin& skin, SkinRecords& records) {
  for (const TsSkinPattern& item : skin.Patterns) {
    TsPatternData& pattern = records.Patterns.emplace_back();
    const TsPictureFile& file = StoredPatternFile(skin, item);
    if (std::optional<Bitmap24> picture = DecodeJpeg(std::span<const std::uint8_t>(file)))
      pattern.Image = std::move(*picture);
    pattern.SectionName = UpperCase(item.SectionName);
    pattern.PropertyName = UpperCase(item.PropertyName);
  }
}

void LoadInternalSections(const TsStoredSkin& skin, SkinRecords& records) {
  records.Sections.clear();
  TsSkinData& data = records.SkinData;
  data.Version = skin.Version;
  data.Author = skin.Author;
  data.Description = skin.Description;
  data.Shadow1Color = skin.Shadow1Color;
  data.Shadow1Offset = skin.Shadow1Offset;
  data.Shadow1Blur = skin.Shadow1Blur;
  data.Shadow1Transparency = skin.Shadow1Transparency;
  records.Sections.reserve(skin.GeneralData.size());
  for (const TsSkinGeneral& item : skin.GeneralData)
    records.Sections.push_back(SectionFromStored(item));
}

}  // namespace au
