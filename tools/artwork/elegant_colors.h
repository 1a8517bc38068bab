// The inks of the "Elegant" skin: calm grey-blues with one clear blue for
// whatever the mouse is over, and a muted red for the close button.
#pragma once

#include "pixels/color.h"

namespace au::art {

// Outlines of controls and of the window.
inline constexpr TColor kOutline = MakeColor(128, 143, 164);
inline constexpr TColor kOutlineHot = MakeColor(76, 128, 196);
inline constexpr TColor kOutlinePressed = MakeColor(84, 101, 126);
inline constexpr TColor kWindowEdge = MakeColor(92, 108, 132);
inline constexpr TColor kButtonEdge = MakeColor(46, 72, 114);  // around the blue buttons

// Faces of buttons, boxes and thumbs, from top to bottom.
inline constexpr TColor kFaceTop = MakeColor(253, 254, 255);
inline constexpr TColor kFaceMiddle = MakeColor(238, 242, 247);
inline constexpr TColor kFaceBottom = MakeColor(220, 227, 236);
inline constexpr TColor kHotTop = MakeColor(255, 255, 255);
inline constexpr TColor kHotMiddle = MakeColor(232, 241, 252);
inline constexpr TColor kHotBottom = MakeColor(206, 224, 247);
inline constexpr TColor kPressedTop = MakeColor(196, 207, 222);
inline constexpr TColor kPressedMiddle = MakeColor(212, 221, 233);
inline constexpr TColor kPressedBottom = MakeColor(228, 234, 242);

// Glyphs: arrows, check marks, radio dots, grips.
inline constexpr TColor kInk = MakeColor(62, 78, 104);
inline constexpr TColor kInkHot = MakeColor(32, 96, 178);
inline constexpr TColor kInkPressed = MakeColor(26, 52, 96);
inline constexpr TColor kInkMuted = MakeColor(150, 160, 176);

// Light surfaces and lines.
inline constexpr TColor kHighlight = MakeColor(255, 255, 255);
inline constexpr TColor kSurface = MakeColor(241, 244, 248);
inline constexpr TColor kChannel = MakeColor(233, 237, 242);
inline constexpr TColor kChannelEdge = MakeColor(212, 219, 228);
inline constexpr TColor kEtchDark = MakeColor(164, 174, 189);

// The close button under the mouse.
inline constexpr TColor kCloseTop = MakeColor(230, 110, 96);
inline constexpr TColor kCloseBottom = MakeColor(190, 52, 42);
inline constexpr TColor kCloseEdge = MakeColor(140, 38, 32);
inline constexpr TColor kClosePressedTop = MakeColor(160, 36, 30);
inline constexpr TColor kClosePressedBottom = MakeColor(196, 70, 58);

// Colours the artwork is expected to be seen on, for the edges of keyed images.
inline constexpr TColor kTitleMatte = MakeColor(74, 110, 160);
inline constexpr TColor kControlMatte = MakeColor(236, 239, 243);

// The three looks of a control: normal, under the mouse, pressed.
struct StateLook {
  TColor Edge;
  TColor Top;
  TColor Middle;
  TColor Bottom;
  TColor Glyph;
};
inline constexpr StateLook kLooks[3] = {
    {kOutline, kFaceTop, kFaceMiddle, kFaceBottom, kInk},
    {kOutlineHot, kHotTop, kHotMiddle, kHotBottom, kInkHot},
    {kOutlinePressed, kPressedTop, kPressedMiddle, kPressedBottom, kInkPressed},
};

}  // namespace au::art
