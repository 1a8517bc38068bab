#include <limits>

#include "skin/common_indexes.h"
#include "skin/skin_records.h"

namespace au {
namespace {

// An index that does not fit the table's 16 bits would name another record;
// it is recorded as absent.
std::int16_t Narrow(int index) {
  return index >= 0 && index <= std::numeric_limits<std::int16_t>::max()
             ? static_cast<std::int16_t>(index)
             : std::int16_t{-1};
}

struct SectionMasks {
  const SkinRecords& records;
  const char* name;
  int index = records.SectionIndex(name);

  std::int16_t Mask(const char* property) const {
    return Narrow(records.MaskIndex(index, name, property));
  }
};

}  // namespace

void SkinRecords::RecomputeCommonIndexes() {
  CommonIndexes& c = Indexes;
  const auto section = [this](const char* name) { return SectionMasks{*this, name}; };

  const SectionMasks global = section("GLOBALINFO");
  c.GlobalInfo = Narrow(global.index);

  const SectionMasks tabTop = section("TABTOP"), tabBottom = section("TABBOTTOM"),
                     tabLeft = section("TABLEFT"), tabRight = section("TABRIGHT");
  c.TabTop = Narrow(tabTop.index);
  c.TabBottom = Narrow(tabBottom.index);
  c.TabLeft = Narrow(tabLeft.index);
  c.TabRight = Narrow(tabRight.index);
  c.TabTopBorder = tabTop.Mask("BORDERSMASK");
  c.TabBottomBorder = tabBottom.Mask("BORDERSMASK");
  c.TabLeftBorder = tabLeft.Mask("BORDERSMASK");
  c.TabRightBorder = tabRight.Mask("BORDERSMASK");

  const SectionMasks btnTop = section("SCROLLBTNTOP"), btnBottom = section("SCROLLBTNBOTTOM"),
                     btnLeft = section("SCROLLBTNLEFT"), btnRight = section("SCROLLBTNRIGHT");
  c.ScrollBtnTop = Narrow(btnTop.index);
  c.ScrollBtnBottom = Narrow(btnBottom.index);
  c.ScrollBtnLeft = Narrow(btnLeft.index);
  c.ScrollBtnRight = Narrow(btnRight.index);
  c.ScrollBtnTopBorder = btnTop.Mask("BORDERSMASK");
  c.ScrollBtnBottomBorder = btnBottom.Mask("BORDERSMASK");
  c.ScrollBtnLeftBorder = btnLeft.Mask("BORDERSMASK");
  c.ScrollBtnRightBorder = btnRight.Mask("BORDERSMASK");
  c.ScrollBtnTopPattern = btnTop.Mask("PATTERN");
  c.ScrollBtnBottomPattern = btnBottom.Mask("PATTERN");
  c.ScrollBtnLeftPattern = btnLeft.Mask("PATTERN");
  c.ScrollBtnRightPattern = btnRight.Mask("PATTERN");
  c.ScrollBtnTopHotPattern = btnTop.Mask("HOTPATTERN");
  c.ScrollBtnBottomHotPattern = btnBottom.Mask("HOTPATTERN");
  c.ScrollBtnLeftHotPattern = btnLeft.Mask("HOTPATTERN");
  c.ScrollBtnRightHotPattern = btnRight.Mask("HOTPATTERN");
  c.ScrollBtnTopGlyph = btnTop.Mask("GLYPHMASK");
  c.ScrollBtnBottomGlyph = btnBottom.Mask("GLYPHMASK");
  c.ScrollBtnLeftGlyph = btnLeft.Mask("GLYPHMASK");
  c.ScrollBtnRightGlyph = btnRight.Mask("GLYPHMASK");

  const SectionMasks sliderV = section("SCROLLSLIDERV"), sliderH = section("SCROLLSLIDERH");
  c.ScrollSliderV = Narrow(sliderV.index);
  c.ScrollSliderH = Narrow(sliderH.index);
  c.ScrollSliderVBorder = sliderV.Mask("BORDERSMASK");
  c.ScrollSliderHBorder = sliderH.Mask("BORDERSMASK");
  c.ScrollSliderVGlyph = sliderV.Mask("GLYPHMASK");
  c.ScrollSliderHGlyph = sliderH.Mask("GLYPHMASK");
  c.ScrollSliderHPattern = sliderH.Mask("PATTERN");
  c.ScrollSliderHHotPattern = sliderH.Mask("HOTPATTERN");
  c.ScrollSliderVPattern = sliderV.Mask("PATTERN");
  c.ScrollSliderVHotPattern = sliderV.Mask("HOTPATTERN");

  const SectionMasks bar1H = section("SCROLLBAR1H"), bar1V = section("SCROLLBAR1V"),
                     bar2H = section("SCROLLBAR2H"), bar2V = section("SCROLLBAR2V");
  c.ScrollBar1H = Narrow(bar1H.index);
  c.ScrollBar1V = Narrow(bar1V.index);
  c.ScrollBar2H = Narrow(bar2H.index);
  c.ScrollBar2V = Narrow(bar2V.index);
  c.ScrollBar1HBorder = bar1H.Mask("BORDERSMASK");
  c.ScrollBar1VBorder = bar1V.Mask("BORDERSMASK");
  c.ScrollBar2HBorder = bar2H.Mask("BORDERSMASK");
  c.ScrollBar2VBorder = bar2V.Mask("BORDERSMASK");
  c.ScrollBar1HPattern = bar1H.Mask("PATTERN");
  c.ScrollBar1VPattern = bar1V.Mask("PATTERN");
  c.ScrollBar2HPattern = bar2H.Mask("PATTERN");
  c.ScrollBar2VPattern = bar2V.Mask("PATTERN");
  c.ScrollBar1HHotPattern = bar1H.Mask("HOTPATTERN");
  c.ScrollBar1VHotPattern = bar1V.Mask("HOTPATTERN");
  c.ScrollBar2HHotPattern = bar2H.Mask("HOTPATTERN");
  c.ScrollBar2VHotPattern = bar2V.Mask("HOTPATTERN");

  c.CheckBoxChecked = global.Mask("BOXCHECKED");
  c.CheckBoxUnchecked = global.Mask("BOXUNCHECKED");
  c.CheckBoxGrayed = global.Mask("BOXGRAYED");
  c.RadioButtonChecked = global.Mask("RADIOCHECKED");
  c.RadioButtonUnchecked = global.Mask("RADIOUNCHECKED");
  c.RadioButtonGrayed = global.Mask("RADIOGRAYED");
  c.SmallBoxChecked = global.Mask("SMALLCHECKED");
  c.SmallBoxUnchecked = global.Mask("SMALLUNCHECKED");
  c.SmallBoxGrayed = global.Mask("SMALLGRAYED");

  c.ComboBtn = SectionIndex("COMBOBTN");
  c.ComboBtnBorder = MaskIndexByNames("COMBOBTN", "BORDERSMASK");
  c.ComboBtnPattern = TextureMaskIndex(c.ComboBtn, "COMBOBTN", "PATTERN");
  c.ComboBtnHotPattern = TextureMaskIndex(c.ComboBtn, "COMBOBTN", "HOTPATTERN");
  c.ComboBoxGlyph = MaskIndexByNames("COMBOBOX", "GLYPHMASK");
}

}  // namespace au
