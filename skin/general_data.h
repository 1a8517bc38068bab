// A skin section: the colours, bevels, gradients, transparencies, font colours
// and fading settings of one kind of control or control part. The defaults are
// the values a section gets when its source states nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pixels/color.h"
#include "pixels/gradient_step.h"

namespace au {

enum TsControlBevel : std::uint8_t {
  cbNone = 0,
  cbRaisedSoft = 1,
  cbLoweredSoft = 2,
  cbRaisedHard = 3,
  cbLoweredHard = 4,
};

// [0] text colour, then the contour colours left, top, right, bottom.
// A contour slot of -1 draws no contour on that side.
using TsFontColors = std::array<std::int32_t, 5>;
inline constexpr TsFontColors kDefaultFontColors = {0, -1, -1, -1, -1};

struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  TColor Color = clWhite;
  TsControlBevel Bevel = cbNone;
  TsFontColors FontColor = kDefaultFontColors;
  TsFontColors HotFontColor = kDefaultFontColors;
  bool ReservedBoolean = false;
  std::int32_t ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  std::int32_t ShadowOffset = 3;
  std::int32_t ShadowTransparency = 50;
  std::int32_t Transparency = 0;  // percent of the parent showing through
  std::int32_t GradientPercent = 0;
  std::string GradientData = " ";  // a single blank: no gradient
  TsGradArray GradientArray;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIntervalIn = 5;
  std::int32_t FadingIntervalOut = 5;
  std::int32_t FadingIterations = 5;
  TColor HotColor = clWhite;
  std::int32_t HotTransparency = 0;
  TsControlBevel HotBevel = cbNone;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  std::int32_t HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

}  // namespace au
