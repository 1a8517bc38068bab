// A skin image: a rectangle of the master bitmap or a picture of its own,
// holding one or more state images of a frame, a texture or a glyph.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pixels/bitmap24.h"
#include "pixels/rect.h"

namespace au {

class TsSkinManager;

enum TacImgType : std::uint8_t {
  itisaBorder = 0,   // a frame cut into nine pieces by WL, WT, WR, WB
  itisaTexture = 1,  // fills an area as StretchMode says
  itisaGlyph = 2,    // drawn whole, like a check box
};

struct TsMaskData {
  // The mask's own picture; when present it replaces the master bitmap.
  std::optional<Bitmap24> Image;
  std::string SectionName;
  std::string PropertyName;  // the image's role: BORDERSMASK, PATTERN, GLYPHMASK ...
  // In the master bitmap, right and bottom exclusive; (0, 0, width, height)
  // of the own picture. Kept as the skin gives it, even where it reaches
  // outside the picture: whoever draws from it clips.
  TRect Rect;
  std::int16_t ImageCount = 0;  // state images side by side
  std::int16_t MaskType = 0;    // further rows of the same height below them
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  TacImgType ImgType = itisaBorder;
  TsSkinManager* Manager = nullptr;  // the owner; not owned
  std::int16_t WL = 0;
  std::int16_t WT = 0;
  std::int16_t WR = 0;
  std::int16_t WB = 0;
};

using TsMaskArray = std::vector<TsMaskData>;

}  // namespace au
