#include "app/overwrite_glyph.h"

#include "app_art.h"
#include "pixels/bmp_file.h"

namespace au {

Bitmap24 OverwriteGlyph() {
  std::optional<Bitmap24> glyph = DecodeBmp(kOverwriteGlyphBmp);
  return glyph ? std::move(*glyph) : Bitmap24();
}

}  // namespace au
