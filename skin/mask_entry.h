// Image entries of skin sections: a key whose value describes a mask, either
// as a rectangle of the master bitmap or as a picture file of its own.
//
//   @LLLL,TTTT,RRRR,BBBB,C,M                     glyph in the master bitmap
//   ^LLLL,TTTT,RRRR,BBBB,WL  ,WT  ,WR  ,WB  ,C,M,S,W  border in the master bitmap
//   ~LLLL,TTTT,RRRR,BBBB,SS,M                    texture in the master bitmap
//   !file.BMP!count!masktype!imgtype[!WL!WT!WR!WB]   picture of its own
//   file.bmp                                     picture of its own, 3 images, 2 rows
//   #(left,top,right,bottom)(count,masktype[,borderwidth[,stretchmode]])
//
// The fixed-column forms count characters from 1 at the value's first one;
// any character may stand between the fields.
#pragma once

#include <optional>
#include <string_view>

#include "skin/mask_data.h"
#include "skin/mask_source.h"

namespace au {

// The mask that one options-file entry describes, or nothing when the value
// is no image entry or names a picture that cannot be read; a value that
// looks like an image entry but gives none is reported skipped. Throws
// SkinConversionError for a malformed number in an image entry.
std::optional<TsMaskData> ReadImageEntry(std::string_view section, std::string_view key,
                                         std::string_view value, const MaskSource& source);

// The "#" form alone (nothing for the value "#", which is reported); names are
// upper-cased. Throws SkinConversionError for a malformed number.
std::optional<TsMaskData> ReadRectangleEntry(std::string_view section, std::string_view key,
                                             std::string_view value, const MaskSource& source);

// PATTERN and HOTPATTERN images are always textures.
bool IsPatternProperty(std::string_view upperPropertyName);

}  // namespace au
