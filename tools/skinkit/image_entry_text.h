// The values of image entries in an options file, one function per form the
// loader reads. Each throws std::invalid_argument for a number that its form
// cannot hold (a fixed-column field is four characters or one), so that what
// is written always reads back as the same mask.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pixels/rect.h"
#include "skin/mask_data.h"

namespace au::kit {

struct BorderWidths {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// "@" a glyph in the master bitmap: @LLLL,TTTT,RRRR,BBBB,C,M
std::string GlyphEntry(const TRect& rect, int imageCount, int maskType);

// "^" a border in the master bitmap:
// ^LLLL,TTTT,RRRR,BBBB,WL__,WT__,WR__,WB__,C,M,S,W
std::string BorderEntry(const TRect& rect, const BorderWidths& widths, int imageCount, int maskType,
                        int stretchMode, int borderWidth);

// "~" a texture in the master bitmap: ~LLLL,TTTT,RRRR,BBBB,SS,M
std::string TextureEntry(const TRect& rect, int stretchMode, int maskType);

// "!" a picture of its own: !FILE.BMP!C!M!I, and with widths !WL!WT!WR!WB.
// Without widths the loader takes a third of a state image each way.
std::string OwnPictureEntry(std::string_view fileName, int imageCount, int maskType,
                            TacImgType imgType, std::optional<BorderWidths> widths);

// A picture of its own named by the whole value: three state images over two
// rows, a border a third of a state image wide.
std::string PlainPictureEntry(std::string_view fileName);

// "#" a rectangle of the master bitmap: #(L,T,R,B)(C,M[,W[,S]]). A border
// unless the key is PATTERN or HOTPATTERN; its widths are all W, or a third of
// a state image when W is 0. A stretch mode needs a border width before it.
std::string RectangleEntry(const TRect& rect, int imageCount, int maskType,
                           std::optional<int> borderWidth = std::nullopt,
                           std::optional<int> stretchMode = std::nullopt);

// Whether the loader would take `value` for an image or a pattern: a value
// that must not appear under a key meant as anything else.
bool ReadsAsPicture(std::string_view value);

}  // namespace au::kit
