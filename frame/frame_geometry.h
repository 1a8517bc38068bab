// Where the parts of a skinned window frame lie: border and caption sizes
// from the platform's metrics, the title area, the client's place inside the
// whole window, and the icon. Pure arithmetic over the numbers it is given,
// so that every rule can be checked without a window.
#pragma once

#include "pixels/rect.h"
#include "ui/form.h"

namespace au {

// The platform's frame metrics (GetSystemMetrics).
struct FrameMetrics {
  int CaptionHeight = 0;      // SM_CYCAPTION
  int DialogFrameWidth = 0;   // SM_CXDLGFRAME
  int DialogFrameHeight = 0;  // SM_CYDLGFRAME
  int SizingFrameWidth = 0;   // SM_CXFRAME
  int SizingFrameHeight = 0;  // SM_CYFRAME
};
FrameMetrics SystemFrameMetrics();

int CaptionHeightOf(TFormBorderStyle style, const FrameMetrics& metrics);
int BorderWidthOf(TFormBorderStyle style, const FrameMetrics& metrics);
int BorderHeightOf(TFormBorderStyle style, const FrameMetrics& metrics);

// The automatic icon size for a caption height: 0 below 9, 8 up to 16, 16 up
// to 27, 32 above.
int AutomaticIconSize(int captionHeight);

// The window as it is now.
struct WindowSizes {
  int Width = 0;  // whole window
  int Height = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool Iconic = false;
  int InnerBorder = 0;  // the window's own BorderWidth
};

// The icon the title shows: whether at all, and a size that overrides the
// automatic one where it is not 0.
struct IconSettings {
  bool ShowAppIcon = true;
  int Width = 0;
  int Height = 0;
};

struct FrameGeometry {
  int Width = 0;  // of the frame picture: the window, or only its title while minimised
  int Height = 0;
  int CaptionHeight = 0;
  int BorderWidth = 0;
  int BorderHeight = 0;
  int InnerBorder = 0;
  // From the top of the window to the client area, less the lower border.
  int TitleHeight = 0;
  int ClientOffsetX = 0;
  int ClientOffsetY = 0;
  bool IconShown = false;
  int IconWidth = 0;
  int IconHeight = 0;
  TRect IconRect;
  // Border plus caption: the band the title section is painted in.
  int TitleBand() const { return BorderHeight + CaptionHeight; }
};

FrameGeometry ComputeFrameGeometry(TFormBorderStyle style, const FrameMetrics& metrics,
                                   const WindowSizes& window, const IconSettings& icon);

}  // namespace au
