// Indexes of the sections and masks that controls use most, worked out once
// after every load so that painting need not search. Every entry is -1 while
// the skin lacks the section or mask.
#pragma once

#include <cstdint>

namespace au {

struct CommonIndexes {
  std::int16_t GlobalInfo = -1;

  std::int16_t TabTop = -1;
  std::int16_t TabBottom = -1;
  std::int16_t TabLeft = -1;
  std::int16_t TabRight = -1;
  std::int16_t TabTopBorder = -1;
  std::int16_t TabBottomBorder = -1;
  std::int16_t TabLeftBorder = -1;
  std::int16_t TabRightBorder = -1;

  std::int16_t ScrollBtnTop = -1;
  std::int16_t ScrollBtnBottom = -1;
  std::int16_t ScrollBtnLeft = -1;
  std::int16_t ScrollBtnRight = -1;
  std::int16_t ScrollBtnTopBorder = -1;
  std::int16_t ScrollBtnBottomBorder = -1;
  std::int16_t ScrollBtnLeftBorder = -1;
  std::int16_t ScrollBtnRightBorder = -1;
  std::int16_t ScrollBtnTopPattern = -1;
  std::int16_t ScrollBtnBottomPattern = -1;
  std::int16_t ScrollBtnLeftPattern = -1;
  std::int16_t ScrollBtnRightPattern = -1;
  std::int16_t ScrollBtnTopHotPattern = -1;
  std::int16_t ScrollBtnBottomHotPattern = -1;
  std::int16_t ScrollBtnLeftHotPattern = -1;
  std::int16_t ScrollBtnRightHotPattern = -1;
  std::int16_t ScrollBtnTopGlyph = -1;
  std::int16_t ScrollBtnBottomGlyph = -1;
  std::int16_t ScrollBtnLeftGlyph = -1;
  std::int16_t ScrollBtnRightGlyph = -1;

  std::int16_t ScrollSliderV = -1;
  std::int16_t ScrollSliderH = -1;
  std::int16_t ScrollSliderVBorder = -1;
  std::int16_t ScrollSliderHBorder = -1;
  std::int16_t ScrollSliderVGlyph = -1;
  std::int16_t ScrollSliderHGlyph = -1;
  std::int16_t ScrollSliderHPattern = -1;
  std::int16_t ScrollSliderHHotPattern = -1;
  std::int16_t ScrollSliderVPattern = -1;
  std::int16_t ScrollSliderVHotPattern = -1;

  std::int16_t ScrollBar1H = -1;
  std::int16_t ScrollBar1V = -1;
  std::int16_t ScrollBar2H = -1;
  std::int16_t ScrollBar2V = -1;
  std::int16_t ScrollBar1HBorder = -1;
  std::int16_t ScrollBar1VBorder = -1;
  std::int16_t ScrollBar2HBorder = -1;
  std::int16_t ScrollBar2VBorder = -1;
  std::int16_t ScrollBar1HPattern = -1;
  std::int16_t ScrollBar1VPattern = -1;
  std::int16_t ScrollBar2HPattern = -1;
  std::int16_t ScrollBar2VPattern = -1;
  std::int16_t ScrollBar1HHotPattern = -1;
  std::int16_t ScrollBar1VHotPattern = -1;
  std::int16_t ScrollBar2HHotPattern = -1;
  std::int16_t ScrollBar2VHotPattern = -1;

  // Glyphs of section GLOBALINFO.
  std::int16_t CheckBoxChecked = -1;
  std::int16_t CheckBoxUnchecked = -1;
  std::int16_t CheckBoxGrayed = -1;
  std::int16_t RadioButtonChecked = -1;
  std::int16_t RadioButtonUnchecked = -1;
  std::int16_t RadioButtonGrayed = -1;
  std::int16_t SmallBoxChecked = -1;
  std::int16_t SmallBoxUnchecked = -1;
  std::int16_t SmallBoxGrayed = -1;

  std::int32_t ComboBtn = -1;
  std::int32_t ComboBtnBorder = -1;
  std::int32_t ComboBtnPattern = -1;
  std::int32_t ComboBtnHotPattern = -1;
  std::int32_t ComboBoxGlyph = -1;

  friend bool operator==(const CommonIndexes&, const CommonIndexes&) = default;
};

}  // namespace au
