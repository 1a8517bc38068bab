// The pictures of the "Elegant" skin, drawn from scratch.
#pragma once

#include "pixels/bitmap24.h"
#include "tools/artwork/art_board.h"

namespace au::art {

// The 216 x 325 master picture that every image except BUTTON_HUGE is cut from.
Bitmap24 DrawMasterPicture();
// The 288 x 192 picture of BUTTON_HUGE.
Bitmap24 DrawButtonHugePicture();

// The families of images, each drawn into its places on the board.
void DrawFrames(ArtBoard& board);
void DrawButtons(ArtBoard& board);
void DrawCaptionButtons(ArtBoard& board);
void DrawScrollParts(ArtBoard& board);
void DrawScrollGlyphs(ArtBoard& board);
void DrawChecksAndRadios(ArtBoard& board);
void DrawTrackBarParts(ArtBoard& board);

}  // namespace au::art
