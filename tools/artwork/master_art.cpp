#include "tools/artwork/master_art.h"

#include <array>

#include "tools/artwork/art_styles.h"
#include "tools/artwork/elegant_layout.h"

namespace au::art {

Bitmap24 DrawMasterPicture() {
  ArtBoard board(kMasterWidth, kMasterHeight);
  DrawFrames(board);
  DrawButtons(board);
  DrawScrollParts(board);
  DrawScrollGlyphs(board);
  DrawChecksAndRadios(board);
  DrawTrackBarParts(board);
  // Last: the restore button's bottom row is also the top row of the small
  // check boxes, clear in both.
  DrawCaptionButtons(board);
  return board.Picture().Clone();
}

Bitmap24 DrawButtonHugePicture() {
  ArtBoard board(kButtonHugeWidth, kButtonHugeHeight);
  const std::array<FrameStyle, 3> states = {
      FrameStyle{.Radius = 12, .RingOpacity = 0.6, .SheenRows = 26, .Sheen = 0.32},
      FrameStyle{.Radius = 12,
                 .Edge = kOutlineHot,
                 .Ring = MakeColor(150, 192, 242),
                 .RingOpacity = 0.7,
                 .SheenRows = 26,
                 .Sheen = 0.38},
      FrameStyle{.Radius = 12,
                 .Edge = kOutlinePressed,
                 .Ring = kInkPressed,
                 .RingOpacity = 0.2,
                 .ShadowRows = 10,
                 .Shadow = 0.2}};
  for (int s = 0; s < 3; ++s) {
    Layer l = kHugeButton.NewLayer();
    PaintFrame(l, states[s]);
    board.PutWeighted(kHugeButton, s, l, FrameBorders{32, 32, 32, 32});
  }
  return board.Picture().Clone();
}

}  // namespace au::art
