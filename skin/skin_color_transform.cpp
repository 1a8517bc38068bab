#include "skin/skin_color_transform.h"

#include <array>
#include <memory>

#include "pixels/color_transforms.h"

namespace au {
namespace {

// Skin artwork holds few distinct colours (palette pictures), so remembering
// recent results keeps the colour arithmetic out of almost every pixel.
class ColourCache {
 public:
  template <typename Transform>
  std::uint32_t Get(std::uint32_t rgb, Transform& transform) {
    Slot& slot = slots_[(rgb * 2654435761u) >> (32 - kBits)];
    if (slot.from != rgb) {
      slot.from = rgb;
      slot.to = static_cast<std::uint32_t>(transform(static_cast<TColor>(rgb))) & 0xFFFFFFu;
    }
    return slot.to;
  }

 private:
  static constexpr int kBits = 12;
  struct Slot {
    std::uint32_t from = 0xFFFFFFFFu;  // no 24-bit colour
    std::uint32_t to = 0;
  };
  std::array<Slot, std::size_t{1} << kBits> slots_{};
};

template <typename Transform>
void TransformPixels(Bitmap24& picture, Transform& transform, ColourCache& cache) {
  const int width = picture.Width();
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* p = picture.Row(y);
    for (int x = 0; x < width; ++x, p += 3) {
      const std::uint8_t blue = p[0], green = p[1], red = p[2];
      // Grey pixels have no hue to turn; magenta is the transparent colour.
      if (red == green && green == blue) continue;
      if (red == 0xFF && green == 0 && blue == 0xFF) continue;
      const std::uint32_t rgb = red | (green << 8) | (blue << 16);
      const std::uint32_t result = cache.Get(rgb, transform);
      p[0] = static_cast<std::uint8_t>(result >> 16);
      p[1] = static_cast<std::uint8_t>(result >> 8);
      p[2] = static_cast<std::uint8_t>(result);
    }
  }
}

// A system-colour reference means the colour the system shows for it; its
// bytes are no RGB value to turn, so it is resolved first.
template <typename Transform>
void TransformColour(TColor& colour, Transform& transform) {
  colour = transform(ResolveColor(colour));
}

template <typename Transform>
void TransformFontColours(TsFontColors& colours, Transform& transform) {
  for (TColor& colour : colours)
    if (colour != -1) TransformColour(colour, transform);
}

template <typename Transform>
void TransformGradient(TsGradArray& steps, Transform& transform) {
  for (TsGradientStep& step : steps) {
    TransformColour(step.Color1, transform);
    TransformColour(step.Color2, transform);
  }
}

template <typename Transform>
void TransformSkin(SkinRecords& records, Transform transform) {
  const auto cache = std::make_unique<ColourCache>();
  TransformPixels(records.MasterBitmap, transform, *cache);
  for (TsMaskData& mask : records.Masks)
    if (mask.Image) TransformPixels(*mask.Image, transform, *cache);
  for (TsGeneralData& section : records.Sections) {
    TransformColour(section.Color, transform);
    TransformColour(section.HotColor, transform);
    TransformFontColours(section.FontColor, transform);
    TransformFontColours(section.HotFontColor, transform);
    TransformGradient(section.GradientArray, transform);
    TransformGradient(section.HotGradientArray, transform);
  }
  TransformColour(records.SkinData.Shadow1Color, transform);
}

}  // namespace

std::int32_t SaturationAmount(std::int32_t saturation) {
  // -(s % 101) equals (-s) % 101 for truncating division, without the
  // overflow of negating the smallest integer.
  return -(saturation % 101);
}

void ApplyHueOffset(SkinRecords& records, std::int32_t degrees) {
  TransformSkin(records, [degrees](TColor colour) { return ShiftHue(degrees, colour); });
}

void ApplySaturation(SkinRecords& records, std::int32_t saturation) {
  const std::int32_t amount = SaturationAmount(saturation);
  TransformSkin(records, [amount](TColor colour) { return ScaleSaturation(colour, amount); });
}

}  // namespace au
