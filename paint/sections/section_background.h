// A section's background painted into a bitmap: the parent's background where
// the section is transparent, then its colour, gradient and texture in the
// shares the section gives, in the normal or the hot variant.
#pragma once

#include <string_view>

#include "pixels/bitmap24.h"
#include "pixels/cache_info.h"
#include "pixels/rect.h"

namespace au {

class TsSkinManager;

// Everything a section painter needs to know besides its target. A null
// manager means the default one. `Position` is where the painted rectangle's
// top-left corner lies in the parent: the parent pixel behind bitmap pixel
// (r.Left + i, r.Top + j) is (Cache.X + Position.X + i, Cache.Y + Position.Y + j).
// For a control painted whole, r starts at (0, 0) and Position is its place.
struct SectionPaint {
  const TsSkinManager* Manager = nullptr;
  int SectionIndex = -1;
  std::string_view SectionName;
  TCacheInfo Cache;
  TPoint Position;
  int State = 0;  // 0 normal, anything else hot
  int PatternIndex = -1;
  int HotPatternIndex = -1;
};

// The background layers of `paint` into `r` of `bitmap`; `colourOverride`
// replaces the section's colour unless it is magenta.
void PaintSectionBackground(const SectionPaint& paint, TColor colourOverride, Bitmap24& bitmap,
                            const TRect& r);

// The background, then the section's BORDERSMASK (drawn over the parent where
// the border is transparent).
void PaintSectionByIndex(const SectionPaint& paint, Bitmap24& bitmap, const TRect& r,
                         bool fillCentre);

// As PaintSectionByIndex with every index given by the caller (the parts of a
// scroll bar): no lookups by name, no pattern pictures.
void PaintSectionByIndexes(const SectionPaint& paint, int borderMaskIndex, Bitmap24& bitmap,
                           const TRect& r, bool fillCentre);

// The parent cache as the mask drawings read it, where the parent pixel
// behind target pixel (x, y) is (X + x, Y + y), for a rectangle `r` of the
// target whose top-left corner lies at `position` in the parent.
TCacheInfo ParentBehindTarget(const TCacheInfo& cache, TPoint position, const TRect& r);

// The manager that a null argument stands for.
const TsSkinManager* ManagerOrDefault(const TsSkinManager* manager);

}  // namespace au
