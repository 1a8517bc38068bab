// The persistent form of a skin carried inside the program. Pictures are held
// as the bytes of their BMP or JPEG files (empty: no picture) and are decoded
// only when the skin is loaded, so a stored skin never changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pixels/color.h"
#include "skin/general_data.h"
#include "skin/mask_data.h"

namespace au {

using TsPictureFile = std::vector<std::uint8_t>;

struct TsSkinGeneral {
  std::string SectionName;
  std::string ParentClass;
  TColor Color = 0;
  TsControlBevel Bevel = cbNone;
  std::int32_t ShadowBlur = 0;
  TColor ShadowColor = 0;
  bool ShadowDontUse = false;  // stored only; sections have no such field
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  std::int32_t ShadowOffset = 0;
  std::int32_t ShadowTransparency = 0;
  std::string FontColor;  // five integers separated by blanks, as TsGeneralData::FontColor
  std::string HotFontColor;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIntervalIn = 0;
  std::int32_t FadingIntervalOut = 0;
  std::int32_t FadingIterations = 0;
  TColor HotColor = 0;
  std::int32_t HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  std::int32_t HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
  std::string Name;
};

struct TsSkinImage {
  std::string SectionName;
  TsPictureFile Image;  // the mask's own picture when Name is not empty
  std::string Name;     // file name of that picture
  std::string PropertyName;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::int32_t ImageCount = 0;
  std::int32_t MaskType = 0;
  std::int32_t BorderWidth = 0;
  std::int32_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  std::int32_t WL = 0;
  std::int32_t WR = 0;
  std::int32_t WT = 0;
  std::int32_t WB = 0;
};

struct TsSkinPattern {
  std::string SectionName;
  TsPictureFile Image;  // a JPEG file; empty when another item of the same Name holds it
  std::string Name;
  std::string PropertyName;
};

using TsSkinGenerals = std::vector<TsSkinGeneral>;
using TsSkinImages = std::vector<TsSkinImage>;
using TsSkinPatterns = std::vector<TsSkinPattern>;

struct TsStoredSkin {
  std::string Name;  // the value of SkinName that selects this skin
  TsSkinGenerals GeneralData;
  TsSkinImages Images;
  TsSkinPatterns Patterns;
  TsPictureFile MasterBitmap;  // a BMP file
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  double Version = 0;
  std::string Author;
  std::string Description;
};

using TsStoredSkins = std::vector<TsStoredSkin>;

}  // namespace au
