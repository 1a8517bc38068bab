#include "skin/section_reader.h"

#include "skin/ansi_text.h"
#include "skin/gradient_parser.h"

namespace au {

TsControlBevel BevelFromNumber(std::int32_t number) {
  return number >= cbNone && number <= cbLoweredHard ? static_cast<TsControlBevel>(number) : cbNone;
}

TsGeneralData ReadSectionFields(const SectionValues& values, const TsGeneralData& inherited,
                                bool resolveColor) {
  const auto integer = [&](const char* key, std::int32_t fallback) {
    return values.Integer(key).value_or(fallback);
  };
  const auto flag = [&](const char* key, bool fallback) {
    const std::optional<std::string> text = values.Text(key);
    return text ? SameText(*text, "TRUE") : fallback;
  };
  const auto bevel = [&](const char* key, TsControlBevel fallback) {
    const std::optional<std::int32_t> number = values.Integer(key);
    return number ? BevelFromNumber(*number) : fallback;
  };
  const auto fontColors = [&](const char* prefix, const TsFontColors& fallback) {
    static constexpr const char* kContours[] = {"TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const std::string hot(prefix);
    TsFontColors colors{};
    colors[0] = integer((hot + "FONTCOLOR").c_str(), fallback[0]);
    for (std::size_t i = 0; i < 4; ++i)
      colors[i + 1] = integer((hot + kContours[i]).c_str(), fallback[i + 1]);
    return colors;
  };

  TsGeneralData r;
  r.Color = integer("COLOR", inherited.Color);
  if (resolveColor) r.Color = ResolveColor(r.Color);
  r.Bevel = bevel("BEVEL", inherited.Bevel);
  r.FontColor = fontColors("", inherited.FontColor);
  r.HotFontColor = fontColors("HOT", inherited.HotFontColor);
  r.ReservedBoolean = flag("RESERVEDBOOLEAN", inherited.ReservedBoolean);
  r.ShadowBlur = integer("SHADOWBLUR", inherited.ShadowBlur);
  r.ShadowColor = values.OwnInteger("SHADOWCOLOR", TsGeneralData{}.ShadowColor);
  r.ShadowEnabled = flag("SHADOWENABLED", inherited.ShadowEnabled);
  r.ShadowOffset = integer("SHADOWOFFSET", inherited.ShadowOffset);
  r.ShadowTransparency = integer("SHADOWTRANSPARENCY", inherited.ShadowTransparency);
  r.Transparency = integer("TRANSPARENCY", inherited.Transparency);
  r.GradientPercent = integer("GRADIENTPERCENT", inherited.GradientPercent);
  r.GradientData = values.Text("GRADIENTDATA").value_or(inherited.GradientData);
  r.GradientArray = ParseGradientData(r.GradientData);
  r.ImagePercent = integer("IMAGEPERCENT", inherited.ImagePercent);
  r.ShowFocus = flag("SHOWFOCUS", inherited.ShowFocus);
  r.FadingEnabled = flag("FADINGENABLED", inherited.FadingEnabled);
  r.FadingIntervalIn = integer("FADINGINTERVALIN", inherited.FadingIntervalIn);
  r.FadingIntervalOut = integer("FADINGINTERVALOUT", inherited.FadingIntervalOut);
  r.FadingIterations = integer("FADINGITERATIONS", inherited.FadingIterations);
  r.HotColor = integer("HOTCOLOR", inherited.HotColor);
  r.HotTransparency = integer("HOTTRANSPARENCY", inherited.HotTransparency);
  r.HotBevel = bevel("HOTBEVEL", inherited.HotBevel);
  r.HotGradientPercent = integer("HOTGRADIENTPERCENT", inherited.HotGradientPercent);
  r.HotGradientData = values.Text("HOTGRADIENTDATA").value_or(inherited.HotGradientData);
  r.HotGradientArray = ParseGradientData(r.HotGradientData);
  r.HotImagePercent = integer("HOTIMAGEPERCENT", inherited.HotImagePercent);
  r.BorderColor1 = integer("BORDERCOLOR1", inherited.BorderColor1);
  r.BorderColor2 = integer("BORDERCOLOR2", inherited.BorderColor2);
  return r;
}

}  // namespace au
