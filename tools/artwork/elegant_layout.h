// Where the images of the "Elegant" skin lie in its master picture (216 x 325)
// and in the BUTTON_HUGE picture (288 x 192). Several skin images share one
// place; the names say what the picture is.
#pragma once

#include "tools/artwork/art_board.h"

namespace au::art {

inline constexpr int kMasterWidth = 216;
inline constexpr int kMasterHeight = 325;
inline constexpr int kButtonHugeWidth = 288;
inline constexpr int kButtonHugeHeight = 192;

// Window frames (FORM, DIALOG) and the title bar (FORMTITLE).
inline constexpr MaskPlace kWindowFrame{0, 0, 42, 45, 1, 0};
inline constexpr MaskPlace kTitleBar{0, 45, 42, 153, 1, 1};
// Sunken panels (GAUGE, BAR, PANEL_LOW) and raised ones (PANEL).
inline constexpr MaskPlace kSunkenPanel{42, 0, 87, 90, 1, 1};
inline constexpr MaskPlace kPanel{181, 202, 205, 250, 1, 1};
// Edit boxes, combo boxes and the main window's panel (EDIT, ALPHAEDIT, ...).
inline constexpr MaskPlace kEditFrame{42, 90, 69, 114, 1, 0};
// Page and tab controls, hints: a plain outline.
inline constexpr MaskPlace kThinFrame{42, 114, 69, 138, 1, 0};
inline constexpr MaskPlace kMenuBar{69, 90, 93, 114, 1, 0};
inline constexpr MaskPlace kGroupBox{93, 90, 123, 114, 1, 0};
inline constexpr MaskPlace kGrip{106, 98, 118, 110, 1, 0};
// Track bar parts; the ticks are cut from the menu bar's etched corner.
inline constexpr MaskPlace kSliderChannel{123, 90, 129, 96, 1, 0};
inline constexpr MaskPlace kTrackThumb{0, 175, 33, 217, 3, 1};
inline constexpr MaskPlace kTrackThumbSideways{0, 153, 63, 175, 3, 1};
inline constexpr MaskPlace kDivider{33, 175, 36, 217, 1, 1};
// Scroll bars: tracks, the frame shared by arrow buttons and thumbs (and,
// one row lower, column headers), arrows and thumb grips.
inline constexpr MaskPlace kScrollTrackVertical{123, 96, 195, 120, 3, 0};
inline constexpr MaskPlace kScrollTrackHorizontal{123, 120, 195, 144, 3, 0};
inline constexpr MaskPlace kScrollButton{123, 144, 195, 168, 3, 0};
inline constexpr MaskPlace kArrowDown{36, 197, 63, 213, 3, 1};
inline constexpr MaskPlace kArrowUp{160, 186, 187, 202, 3, 1};
inline constexpr MaskPlace kArrowLeft{179, 168, 197, 186, 3, 1};
inline constexpr MaskPlace kArrowRight{160, 168, 178, 186, 3, 1};
inline constexpr MaskPlace kGripLinesUpright{42, 138, 66, 152, 3, 1};
inline constexpr MaskPlace kGripLinesFlat{63, 152, 84, 168, 3, 1};
inline constexpr MaskPlace kComboArrow{0, 217, 57, 251, 3, 1};
// Buttons. The middle state of BUTTON also frames progress bars.
inline constexpr MaskPlace kButton{69, 114, 123, 150, 3, 1};
inline constexpr MaskPlace kSpeedButton{132, 0, 213, 48, 3, 1};
inline constexpr MaskPlace kToolButton{132, 48, 213, 96, 3, 1};
inline constexpr MaskPlace kTitledButton{195, 96, 216, 138, 1, 1};  // BARTITLE, TABTOP
inline constexpr MaskPlace kBigButton{108, 253, 216, 325, 3, 1};
inline constexpr MaskPlace kTabBottom{96, 150, 105, 168, 1, 1};
inline constexpr MaskPlace kTabRight{105, 150, 114, 168, 1, 1};
inline constexpr MaskPlace kTabLeft{114, 150, 123, 168, 1, 1};
inline constexpr MaskPlace kGripPattern{205, 217, 207, 219, 1, 1};
// Check boxes and radio buttons, normal size and small (menus).
inline constexpr MaskPlace kBoxUnchecked{112, 168, 160, 204, 3, 1};
inline constexpr MaskPlace kBoxChecked{112, 204, 160, 240, 3, 1};
inline constexpr MaskPlace kBoxGrayed{108, 240, 156, 253, 3, 0};
inline constexpr MaskPlace kRadioUnchecked{63, 168, 111, 204, 3, 1};
inline constexpr MaskPlace kRadioChecked{63, 204, 111, 240, 3, 1};
inline constexpr MaskPlace kSmallUnchecked{0, 308, 36, 320, 3, 0};
inline constexpr MaskPlace kSmallChecked{36, 308, 72, 320, 3, 0};
inline constexpr MaskPlace kSmallGrayed{72, 308, 108, 320, 3, 0};
inline constexpr MaskPlace kCheckMark{169, 244, 180, 253, 1, 0};
// Caption buttons.
inline constexpr MaskPlace kCloseButton{0, 251, 54, 270, 3, 0};
inline constexpr MaskPlace kHelpButton{54, 251, 108, 270, 3, 0};
inline constexpr MaskPlace kTitleButton{0, 270, 54, 289, 3, 0};
inline constexpr MaskPlace kMinimizeButton{54, 270, 108, 288, 3, 0};
inline constexpr MaskPlace kRestoreButton{0, 289, 54, 309, 3, 0};
inline constexpr MaskPlace kMaximizeButton{54, 289, 108, 307, 3, 0};

inline constexpr MaskPlace kHugeButton{0, 0, 288, 192, 3, 1};

// Every place in the master picture, for overviews.
inline constexpr MaskPlace kMasterPlaces[] = {
    kWindowFrame,
    kTitleBar,
    kSunkenPanel,
    kPanel,
    kEditFrame,
    kThinFrame,
    kMenuBar,
    kGroupBox,
    kGrip,
    kSliderChannel,
    kTrackThumb,
    kTrackThumbSideways,
    kDivider,
    kScrollTrackVertical,
    kScrollTrackHorizontal,
    kScrollButton,
    kArrowDown,
    kArrowUp,
    kArrowLeft,
    kArrowRight,
    kGripLinesUpright,
    kGripLinesFlat,
    kComboArrow,
    kButton,
    kSpeedButton,
    kToolButton,
    kTitledButton,
    kBigButton,
    kTabBottom,
    kTabRight,
    kTabLeft,
    kGripPattern,
    kBoxUnchecked,
    kBoxChecked,
    kBoxGrayed,
    kRadioUnchecked,
    kRadioChecked,
    kSmallUnchecked,
    kSmallChecked,
    kSmallGrayed,
    kCheckMark,
    kCloseButton,
    kHelpButton,
    kTitleButton,
    kMinimizeButton,
    kRestoreButton,
    kMaximizeButton,
};

}  // namespace au::art
