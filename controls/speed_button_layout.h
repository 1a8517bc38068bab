// Where a skinned speed button puts its caption and its glyph: pure functions
// of the button's measures, so that the arithmetic can be checked on its own.
#pragma once

#include <windows.h>

#include "ui/panel.h"
#include "ui/speed_button.h"

namespace au {

struct SpeedButtonMeasures {
  int Width = 0;
  int Height = 0;
  int GlyphWidth = 0;  // one image of the glyph; 0 without a glyph
  int GlyphHeight = 0;
  int ArrowWidth = 0;  // 16 for a drop-down button
  int Margin = -1;
  int Spacing = 4;
  int TextOffset = 0;
  int TextWidth = 0;  // the caption's size, wrapped into TextAreaWidth
  int TextHeight = 0;
  bool HasCaption = false;  // a caption that is shown and not empty
  bool Pressed = false;     // the standard state is down or exclusive
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  TAlignment Alignment = TAlignment::taCenter;
};

// 0 without a margin, else the margin and 3 more.
int MarginOffset(int margin);
// The width the caption may wrap into.
int TextAreaWidth(const SpeedButtonMeasures& m);
RECT CaptionRect(const SpeedButtonMeasures& m);
RECT GlyphRect(const SpeedButtonMeasures& m);

}  // namespace au
