// The skin images of the caption buttons and their sizes.
#pragma once

#include <string_view>

#include "skin/skin_manager.h"
#include "ui/form.h"

namespace au {

struct TitleBarMaskIndexes {
  int Close = -1;
  int Maximize = -1;
  int Minimize = -1;
  int Help = -1;
  int Normal = -1;       // "BICONNORM": restore, on the maximise or minimise button
  int TitleButton = -1;  // behind the glyphs of user buttons
};

// Looks the images up in the skin. GLOBALINFO holds them: the small ones for
// frames without a system-size caption (dialog and borderless), the big ones
// otherwise, the big ones whenever the small close image is missing. Without
// a close image in GLOBALINFO the window's own images ("FORM" and the
// window section's parents) are used. A skin without GLOBALINFO leaves the
// indexes as they were.
void LookUpTitleBarMasks(const TsSkinManager& manager, int windowSection,
                         std::string_view windowSectionName, TFormBorderStyle style,
                         TitleBarMaskIndexes& masks);

// One state image's width of a button image (its picture's or rectangle's
// width over the image count), kDefaultButtonSize without an image.
int ButtonImageWidth(const TsSkinManager& manager, int maskIndex);
// The height of every caption button: one state image of the close image,
// kDefaultButtonSize without one.
int CaptionButtonHeight(const TsSkinManager& manager, int closeMask);

}  // namespace au
