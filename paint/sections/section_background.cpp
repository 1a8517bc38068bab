#include "paint/sections/section_background.h"

#include <algorithm>
#include <memory>

#include "paint/masks/draw_border_mask.h"
#include "paint/masks/fill_with_masked_texture.h"
#include "paint/sections/textures.h"
#include "pixels/bitmap_blend.h"
#include "pixels/copy_bitmap_rect.h"
#include "pixels/mix_rect_with_color.h"
#include "pixels/new_bitmap24.h"
#include "pixels/paint_gradient.h"
#include "pixels/shared_paint_state.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"

namespace au {
namespace {

// The fields of one state of a section.
struct Variant {
  TColor Colour = clWhite;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;
  int Transparency = 0;
  std::string_view PatternProperty;
  int PatternIndex = -1;
};

// A share or transparency as a skin may write it (any number), in 0..100.
int Share(std::int32_t percent) {
  return std::clamp(percent, 0, 100);
}

// The byte alpha by which a share of `percent` stays with the destination.
std::uint8_t AlphaOf(std::int32_t percent) {
  return static_cast<std::uint8_t>(Share(percent) * 255 / 100);
}

Variant VariantOf(const TsGeneralData& section, const SectionPaint& paint) {
  if (paint.State != 0) {
    return {section.HotColor,
            Share(section.HotImagePercent),
            Share(section.HotGradientPercent),
            &section.HotGradientArray,
            Share(section.HotTransparency),
            "HOTPATTERN",
            paint.HotPatternIndex};
  }
  return {section.Color,          Share(section.ImagePercent), Share(section.GradientPercent),
          &section.GradientArray, Share(section.Transparency), "PATTERN",
          paint.PatternIndex};
}

// The texture of the variant: a plain texture mask, else a pattern picture.
struct Texture {
  const TsMaskData* Mask = nullptr;
  const Bitmap24* Picture = nullptr;
};

Texture TextureOf(const TsSkinManager& manager, const SectionPaint& paint, const Variant& v) {
  int index = v.PatternIndex;
  if (index == -1)
    index = manager.MaskIndex(paint.SectionIndex, paint.SectionName, v.PatternProperty);
  if (manager.IsValidMaskIndex(index) &&
      manager.Masks()[static_cast<size_t>(index)].MaskType == 0) {
    return {&manager.Masks()[static_cast<size_t>(index)], nullptr};
  }
  const int pattern =
      manager.PatternIndex(paint.SectionIndex, paint.SectionName, v.PatternProperty);
  if (pattern >= 0) {
    return {nullptr, &manager.Records().Patterns[static_cast<size_t>(pattern)].Image};
  }
  return {};
}

void PaintGradientOrColour(Bitmap24& b, const TRect& r, const Variant& v, TColor c) {
  if (v.Gradient->empty()) {
    FillRectWithColor(b, r, c);
  } else {
    PaintGradient(b, r, *v.Gradient);
  }
}

// Texture, gradient and colour in their shares.
void PaintLayers(Bitmap24& b, const TRect& r, const Variant& v, const Texture& texture, TColor c) {
  const int image = v.ImagePercent;
  const int gradient = v.GradientPercent;
  bool textured = false;
  if (image > 0) {
    // What the texture leaves shows the colour; without a texture that is all
    // of r, which must not keep whatever the bitmap held before.
    TRect rest = r;
    if (texture.Picture != nullptr) {
      TilePicture(b, r, *texture.Picture);
      rest = kNothingLeft;
      textured = true;
    } else if (texture.Mask != nullptr) {
      FillWithTexture(b, rest, texture.Mask->StretchMode, *texture.Mask);
      textured = true;
    }
    if (!IsNothingLeft(rest)) FillRectWithColor(b, rest, c);
  }
  if (gradient > 0) {
    if (textured) {
      std::unique_ptr<Bitmap24> layer = NewBitmap24(r.Width(), r.Height());
      PaintGradientOrColour(*layer, {0, 0, r.Width(), r.Height()}, v, c);
      BlendBitmapRect(b, *layer, AlphaOf(image), {r.Left, r.Top}, {0, 0, r.Width(), r.Height()});
    } else {
      PaintGradientOrColour(b, r, v, c);
    }
  }
  const int shares = gradient + image;
  if (shares == 0) {
    FillRectWithColor(b, r,
                      ParentFillColor != clMagenta && v.Transparency != 0 ? ParentFillColor : c);
  } else if (shares <= 99) {
    MixRectWithColor(b, r, shares, c);
  }
}

// Where the section is wholly transparent: the parent's background.
void CopyParentBackground(Bitmap24& b, const TRect& r, const SectionPaint& paint) {
  if (ParentFillColor != clMagenta) {
    FillRectWithColor(b, r, ParentFillColor);
    return;
  }
  if (paint.Cache.Bitmap == &b || paint.Cache.Bitmap == nullptr) return;
  const int x = paint.Cache.X + paint.Position.X;
  const int y = paint.Cache.Y + paint.Position.Y;
  CopyBitmapRect(b, *paint.Cache.Bitmap, {r.Left, r.Top}, {x, y, x + r.Width(), y + r.Height()});
}

bool LiesInside(const Bitmap24& b, const TRect& r) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height() &&
         r.Left < r.Right && r.Top < r.Bottom;
}

const TsMaskData* MaskAt(const TsSkinManager& manager, int index) {
  return manager.IsValidMaskIndex(index) ? &manager.Masks()[static_cast<size_t>(index)] : nullptr;
}

// The overlay texture of the normal state: a weighted texture in mode 10 over
// whatever the layers left.
void PaintOverlay(const TsSkinManager& manager, const SectionPaint& paint, Bitmap24& b,
                  const TRect& r) {
  if (paint.State != 0) return;
  const TsMaskData* normal = MaskAt(manager, paint.PatternIndex);
  const TsMaskData* hot = MaskAt(manager, paint.HotPatternIndex);
  const TsMaskData* overlay = nullptr;
  if ((normal == nullptr || normal->MaskType < 1) && hot != nullptr && hot->MaskType > 0 &&
      hot->StretchMode == 10) {
    overlay = hot;
  } else if (normal != nullptr && normal->StretchMode == 10) {
    overlay = normal;
  }
  if (overlay == nullptr) return;
  FillWithMaskedTexture(b, r, ParentBehindTarget(paint.Cache, paint.Position, r), 10, *overlay);
}

void PaintBackgroundWith(const TsSkinManager& manager, const SectionPaint& paint, TColor override,
                         Bitmap24& b, const TRect& r, bool lookUpTextures) {
  const TsGeneralData& section = manager.Sections()[static_cast<size_t>(paint.SectionIndex)];
  const Variant v = VariantOf(section, paint);
  const TColor c = override != clMagenta ? override : v.Colour;
  Texture texture;
  if (v.ImagePercent > 0) {
    if (lookUpTextures) {
      texture = TextureOf(manager, paint, v);
    } else if (const TsMaskData* mask = MaskAt(manager, v.PatternIndex);
               mask && mask->MaskType == 0) {
      texture.Mask = mask;
    }
  }
  const int t = v.Transparency;
  if (paint.Cache.Ready && t != 0) {
    if (t == 100) {
      CopyParentBackground(b, r, paint);
    } else {
      std::unique_ptr<Bitmap24> layer = NewBitmap24(r.Width(), r.Height());
      PaintLayers(*layer, {0, 0, r.Width(), r.Height()}, v, texture, c);
      CopyParentBackground(b, r, paint);
      BlendBitmapRect(b, *layer, AlphaOf(t), {r.Left, r.Top}, {0, 0, r.Width(), r.Height()});
    }
  } else {
    PaintLayers(b, r, v, texture, c);
  }
  PaintOverlay(manager, paint, b, r);
}

void DrawSectionBorder(const TsSkinManager& manager, const SectionPaint& paint, int maskIndex,
                       Bitmap24& b, const TRect& r, bool fillCentre) {
  const TsMaskData* mask = MaskAt(manager, maskIndex);
  if (mask == nullptr) return;
  DrawBorderMask(b, r, fillCentre, true, paint.State, *mask,
                 ParentBehindTarget(paint.Cache, paint.Position, r));
}

}  // namespace

TCacheInfo ParentBehindTarget(const TCacheInfo& cache, TPoint position, const TRect& r) {
  TCacheInfo behind = cache;
  behind.X += position.X - r.Left;
  behind.Y += position.Y - r.Top;
  return behind;
}

const TsSkinManager* ManagerOrDefault(const TsSkinManager* manager) {
  return manager != nullptr ? manager : DefaultSkinManager;
}

void PaintSectionBackground(const SectionPaint& paint, TColor colourOverride, Bitmap24& bitmap,
                            const TRect& r) {
  const TsSkinManager* manager = ManagerOrDefault(paint.Manager);
  if (manager == nullptr || !manager->IsValidSectionIndex(paint.SectionIndex)) return;
  if (!LiesInside(bitmap, r)) return;
  PaintBackgroundWith(*manager, paint, colourOverride, bitmap, r, true);
}

void PaintSectionByIndex(const SectionPaint& paint, Bitmap24& bitmap, const TRect& r,
                         bool fillCentre) {
  const TsSkinManager* manager = ManagerOrDefault(paint.Manager);
  if (manager == nullptr || !manager->IsValidSectionIndex(paint.SectionIndex)) return;
  if (!LiesInside(bitmap, r)) return;
  PaintBackgroundWith(*manager, paint, clMagenta, bitmap, r, true);
  DrawSectionBorder(*manager, paint,
                    manager->MaskIndex(paint.SectionIndex, paint.SectionName, "BORDERSMASK"),
                    bitmap, r, fillCentre);
}

void PaintSectionByIndexes(const SectionPaint& paint, int borderMaskIndex, Bitmap24& bitmap,
                           const TRect& r, bool fillCentre) {
  const TsSkinManager* manager = ManagerOrDefault(paint.Manager);
  if (manager == nullptr || !manager->IsValidSectionIndex(paint.SectionIndex)) return;
  if (!LiesInside(bitmap, r)) return;
  const TsGeneralData& section = manager->Sections()[static_cast<size_t>(paint.SectionIndex)];
  if (paint.Cache.Ready && VariantOf(section, paint).Transparency == 100) {
    CopyParentBackground(bitmap, r, paint);
    return;
  }
  PaintBackgroundWith(*manager, paint, clMagenta, bitmap, r, false);
  DrawSectionBorder(*manager, paint, borderMaskIndex, bitmap, r, fillCentre);
}

}  // namespace au
