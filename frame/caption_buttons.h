// The caption buttons of a skinned frame as plain state: their records, the
// look each shows for the part under the mouse, where they are placed, and
// which hit-test code a point of the button band gives.
#pragma once

#include <vector>

#include "frame/frame_geometry.h"
#include "pixels/rect.h"

namespace au {

// Hit-test codes of user title buttons: this plus the button's index.
inline constexpr int kUserButtonCode = 1000;
// The width and height of a caption button whose skin image is missing.
inline constexpr int kDefaultButtonSize = 21;

// One caption button: its look (0 normal, 1 hot, 2 pressed), the skin image
// holding its state images, and where it was placed by the last layout.
struct TsCaptionButton {
  int State = 0;
  int MaskIndex = -1;
  TRect Rect;
  bool Placed = false;  // false when the last layout left it out
};

// The look of the button of `code` while `hotCode` is the part under the
// mouse and `pressed` tells whether that part is held down. A button that
// cannot be pressed shows hot instead.
int CaptionButtonState(int code, int hotCode, bool pressed, bool canPress = true);

// How its image is drawn: 1 plainly, 2 blended half with the title behind
// it. Disabled buttons, and buttons of an inactive window in their normal
// look, are drawn half strength.
int CaptionButtonMode(int state, bool active, bool enabled);

// A button of width x height placed with its right edge at `right`, centred
// in the title band (two pixels lower when it is less than 16 high).
TRect PlaceCaptionButton(int right, int width, int height, const FrameGeometry& geometry);

// The vertical band in which the caption buttons answer hit tests; both
// ends count.
struct ButtonBand {
  int Top = 0;
  int Bottom = 0;
  bool Contains(int y) const { return y >= Top && y <= Bottom; }
};
ButtonBand CaptionButtonBand(const FrameGeometry& geometry, int buttonHeight);

// A placed button as hit testing sees it.
struct ButtonHitArea {
  int Code = 0;
  TRect Rect;
  bool Enabled = true;
};

// The code of the first area, in the order given, whose columns (both edges
// included) hold x; HTCAPTION where none does or the button is disabled.
int HitTestCaptionButtons(const std::vector<ButtonHitArea>& areas, int x);

}  // namespace au
