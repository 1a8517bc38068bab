// The shape of a skinned window: the window's rectangle less the pixels that
// the corners of its border images mark transparent (magenta), so that
// rounded corners show what lies behind the window.
#pragma once

#include <windows.h>

#include <vector>

#include "pixels/rect.h"
#include "skin/mask_data.h"
#include "ui/gdi_handles.h"

namespace au {

// The border widths by which a mask's state image is cut into corners.
struct CornerWidths {
  int Left = 0;
  int Top = 0;  // the rows scanned: the top border, or the bottom one
  int Right = 0;
};

// Scans the mask's first state image, in the rows of its top border (or of
// its bottom border when `bottom` is set) and in each row the columns of its
// left and of its right border, and adds every run of magenta pixels on one
// row as a hole one pixel high. Left-corner holes keep the run's columns;
// right-corner holes lie at windowWidth - state image width + column; the
// first scanned row goes to window row `y`. Parts of the state image outside
// the mask's picture hold no holes.
void AddCornerHoles(std::vector<TRect>& holes, const TsMaskData& mask, const CornerWidths& widths,
                    bool bottom, int y, int windowWidth);

// The rectangle 0, 0, width, height less every hole.
UniqueRegion MakeWindowShape(int width, int height, const std::vector<TRect>& holes);

}  // namespace au
