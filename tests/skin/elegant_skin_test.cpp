// The internal skin, loaded the way the program loads it at start.
#include "skin/elegant_skin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>

#include "skin/extended_float.h"
#include "skin/skin_loader.h"

namespace au {
namespace {

TsSkinManager* const kManager = reinterpret_cast<TsSkinManager*>(std::uintptr_t{0x1000});

class ElegantSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored_ = new TsStoredSkins{ElegantInternalSkin()};
    records_ = new SkinRecords;
    std::string name = kElegantSkinName;
    SkinLoadSettings settings;
    settings.ApplicationFolder = "C:\\NoSuchApp\\";
    settings.SkinDirectory = "c:\\Skins";
    settings.InternalSkins = *stored_;
    settings.Manager = kManager;
    ASSERT_EQ(LoadSkinData(*records_, name, settings), SkinLoadResult::Loaded);
    EXPECT_EQ(name, kElegantSkinName);
    records_->RecomputeCommonIndexes();
  }
  static void TearDownTestSuite() {
    delete records_;
    delete stored_;
  }
  static const SkinRecords& R() { return *records_; }
  static const TsGeneralData& S(const char* name) {
    return R().Sections.at(static_cast<std::size_t>(R().SectionIndex(name)));
  }

  static TsStoredSkins* stored_;
  static SkinRecords* records_;
};
TsStoredSkins* ElegantSkin::stored_ = nullptr;
SkinRecords* ElegantSkin::records_ = nullptr;

TEST_F(ElegantSkin, HasItsSectionsMasksAndPictures) {
  EXPECT_EQ(R().Sections.size(), 62u);
  EXPECT_EQ(R().Masks.size(), 88u);
  EXPECT_TRUE(R().Patterns.empty());
  EXPECT_EQ(R().MasterBitmap.Width(), 216);
  EXPECT_EQ(R().MasterBitmap.Height(), 325);
  EXPECT_TRUE(R().MasterBitmap.Transparent());
  EXPECT_EQ(R().MasterBitmap.TransparentColor(), clMagenta);
  EXPECT_EQ(R().SkinData.SkinPath, "");

  int ownPictures = 0;
  for (const TsMaskData& mask : R().Masks) {
    ownPictures += mask.Image.has_value();
    EXPECT_EQ(mask.Manager, kManager);
  }
  EXPECT_EQ(ownPictures, 1);
  const TsMaskData& huge = R().Masks[86];
  EXPECT_EQ(huge.SectionName, "BUTTON_HUGE");
  EXPECT_EQ(huge.PropertyName, "BORDERSMASK");
  ASSERT_TRUE(huge.Image.has_value());
  EXPECT_EQ(huge.Image->Width(), 288);
  EXPECT_EQ(huge.Image->Height(), 192);
  EXPECT_EQ(huge.Rect.Right, 288);
  EXPECT_EQ(huge.Rect.Bottom, 192);
  EXPECT_EQ(R().StateImageSize(86), (ImageSize{96, 96}));
}

TEST_F(ElegantSkin, SectionOrderAndLookups) {
  EXPECT_EQ(R().SectionIndex("GLOBALINFO"), 0);
  EXPECT_EQ(R().SectionIndex("PANEL"), 4);
  EXPECT_EQ(R().SectionIndex("COLHEADER"), 60);
  EXPECT_EQ(R().SectionIndex(""), 61);
  EXPECT_EQ(R().SectionIndex("panel"), -1);
  const int splitter = R().SectionIndex("SPLITTER");
  EXPECT_EQ(R().MaskIndex(splitter, "SPLITTER", "BORDERSMASK"), 43);
  EXPECT_EQ(R().Masks[43].SectionName, "SPEEDBUTTON_SMALL");
  EXPECT_EQ(R().MaskIndex(61, "", "BORDERSMASK"), -1);
  EXPECT_EQ(R().TextureMaskIndex(R().SectionIndex("GRIPH"), "GRIPH", "PATTERN"), 84);
  EXPECT_EQ(R().GlobalColor(), 13750737);
  EXPECT_EQ(R().GlobalFontColor(), 0);
}

TEST_F(ElegantSkin, CommonIndexesPointAtTheRightRecords) {
  const CommonIndexes& c = R().Indexes;
  EXPECT_EQ(c.GlobalInfo, 0);
  EXPECT_EQ(c.TabTop, 39);
  EXPECT_EQ(c.TabTopBorder, 70);
  EXPECT_EQ(c.TabLeftBorder, 73);
  EXPECT_EQ(c.ScrollBtnBottom, 17);
  EXPECT_EQ(c.ScrollBtnBottomGlyph, 32);
  EXPECT_EQ(c.ScrollBtnTopBorder, 38);
  EXPECT_EQ(c.ScrollBtnTopPattern, -1);
  EXPECT_EQ(c.ScrollSliderVGlyph, 41);
  EXPECT_EQ(c.ScrollSliderHBorder, 40);
  EXPECT_EQ(c.ScrollBar1V, 11);
  EXPECT_EQ(c.ScrollBar2VBorder, 25);
  EXPECT_EQ(c.ScrollBar1HHotPattern, -1);
  EXPECT_EQ(c.CheckBoxChecked, 0);
  EXPECT_EQ(c.CheckBoxUnchecked, 2);
  EXPECT_EQ(c.RadioButtonGrayed, -1);
  EXPECT_EQ(c.SmallBoxGrayed, 14);
  EXPECT_EQ(c.ComboBtn, -1);
  EXPECT_EQ(c.ComboBtnPattern, -1);
  EXPECT_EQ(c.ComboBoxGlyph, 28);
}

// Reads one entry of the table, whatever its width.
template <auto Field>
int Entry(const CommonIndexes& c) {
  return c.*Field;
}

TEST_F(ElegantSkin, EveryCommonIndexFindsItsRecord) {
  enum Lookup { kSection, kMask, kByNames, kTexture };
  struct Row {
    const char* Field;
    int (*Read)(const CommonIndexes&);
    const char* Section;
    const char* Property;
    Lookup How;
    bool Found;  // what the internal skin has
  };
#define ROW(field, ...)                                  \
  Row {                                                  \
#field, &Entry < &CommonIndexes::field>, __VA_ARGS__ \
  }
  const Row rows[] = {
      ROW(GlobalInfo, "GLOBALINFO", "", kSection, true),
      ROW(TabTop, "TABTOP", "", kSection, true),
      ROW(TabBottom, "TABBOTTOM", "", kSection, true),
      ROW(TabLeft, "TABLEFT", "", kSection, true),
      ROW(TabRight, "TABRIGHT", "", kSection, true),
      ROW(TabTopBorder, "TABTOP", "BORDERSMASK", kMask, true),
      ROW(TabBottomBorder, "TABBOTTOM", "BORDERSMASK", kMask, true),
      ROW(TabLeftBorder, "TABLEFT", "BORDERSMASK", kMask, true),
      ROW(TabRightBorder, "TABRIGHT", "BORDERSMASK", kMask, true),
      ROW(ScrollBtnTop, "SCROLLBTNTOP", "", kSection, true),
      ROW(ScrollBtnBottom, "SCROLLBTNBOTTOM", "", kSection, true),
      ROW(ScrollBtnLeft, "SCROLLBTNLEFT", "", kSection, true),
      ROW(ScrollBtnRight, "SCROLLBTNRIGHT", "", kSection, true),
      ROW(ScrollBtnTopBorder, "SCROLLBTNTOP", "BORDERSMASK", kMask, true),
      ROW(ScrollBtnBottomBorder, "SCROLLBTNBOTTOM", "BORDERSMASK", kMask, true),
      ROW(ScrollBtnLeftBorder, "SCROLLBTNLEFT", "BORDERSMASK", kMask, true),
      ROW(ScrollBtnRightBorder, "SCROLLBTNRIGHT", "BORDERSMASK", kMask, true),
      ROW(ScrollBtnTopPattern, "SCROLLBTNTOP", "PATTERN", kMask, false),
      ROW(ScrollBtnBottomPattern, "SCROLLBTNBOTTOM", "PATTERN", kMask, false),
      ROW(ScrollBtnLeftPattern, "SCROLLBTNLEFT", "PATTERN", kMask, false),
      ROW(ScrollBtnRightPattern, "SCROLLBTNRIGHT", "PATTERN", kMask, false),
      ROW(ScrollBtnTopHotPattern, "SCROLLBTNTOP", "HOTPATTERN", kMask, false),
      ROW(ScrollBtnBottomHotPattern, "SCROLLBTNBOTTOM", "HOTPATTERN", kMask, false),
      ROW(ScrollBtnLeftHotPattern, "SCROLLBTNLEFT", "HOTPATTERN", kMask, false),
      ROW(ScrollBtnRightHotPattern, "SCROLLBTNRIGHT", "HOTPATTERN", kMask, false),
      ROW(ScrollBtnTopGlyph, "SCROLLBTNTOP", "GLYPHMASK", kMask, true),
      ROW(ScrollBtnBottomGlyph, "SCROLLBTNBOTTOM", "GLYPHMASK", kMask, true),
      ROW(ScrollBtnLeftGlyph, "SCROLLBTNLEFT", "GLYPHMASK", kMask, true),
      ROW(ScrollBtnRightGlyph, "SCROLLBTNRIGHT", "GLYPHMASK", kMask, true),
      ROW(ScrollSliderV, "SCROLLSLIDERV", "", kSection, true),
      ROW(ScrollSliderH, "SCROLLSLIDERH", "", kSection, true),
      ROW(ScrollSliderVBorder, "SCROLLSLIDERV", "BORDERSMASK", kMask, true),
      ROW(ScrollSliderHBorder, "SCROLLSLIDERH", "BORDERSMASK", kMask, true),
      ROW(ScrollSliderVGlyph, "SCROLLSLIDERV", "GLYPHMASK", kMask, true),
      ROW(ScrollSliderHGlyph, "SCROLLSLIDERH", "GLYPHMASK", kMask, true),
      ROW(ScrollSliderHPattern, "SCROLLSLIDERH", "PATTERN", kMask, false),
      ROW(ScrollSliderHHotPattern, "SCROLLSLIDERH", "HOTPATTERN", kMask, false),
      ROW(ScrollSliderVPattern, "SCROLLSLIDERV", "PATTERN", kMask, false),
      ROW(ScrollSliderVHotPattern, "SCROLLSLIDERV", "HOTPATTERN", kMask, false),
      ROW(ScrollBar1H, "SCROLLBAR1H", "", kSection, true),
      ROW(ScrollBar1V, "SCROLLBAR1V", "", kSection, true),
      ROW(ScrollBar2H, "SCROLLBAR2H", "", kSection, true),
      ROW(ScrollBar2V, "SCROLLBAR2V", "", kSection, true),
      ROW(ScrollBar1HBorder, "SCROLLBAR1H", "BORDERSMASK", kMask, true),
      ROW(ScrollBar1VBorder, "SCROLLBAR1V", "BORDERSMASK", kMask, true),
      ROW(ScrollBar2HBorder, "SCROLLBAR2H", "BORDERSMASK", kMask, true),
      ROW(ScrollBar2VBorder, "SCROLLBAR2V", "BORDERSMASK", kMask, true),
      ROW(ScrollBar1HPattern, "SCROLLBAR1H", "PATTERN", kMask, false),
      ROW(ScrollBar1VPattern, "SCROLLBAR1V", "PATTERN", kMask, false),
      ROW(ScrollBar2HPattern, "SCROLLBAR2H", "PATTERN", kMask, false),
      ROW(ScrollBar2VPattern, "SCROLLBAR2V", "PATTERN", kMask, false),
      ROW(ScrollBar1HHotPattern, "SCROLLBAR1H", "HOTPATTERN", kMask, false),
      ROW(ScrollBar1VHotPattern, "SCROLLBAR1V", "HOTPATTERN", kMask, false),
      ROW(ScrollBar2HHotPattern, "SCROLLBAR2H", "HOTPATTERN", kMask, false),
      ROW(ScrollBar2VHotPattern, "SCROLLBAR2V", "HOTPATTERN", kMask, false),
      ROW(CheckBoxChecked, "GLOBALINFO", "BOXCHECKED", kMask, true),
      ROW(CheckBoxUnchecked, "GLOBALINFO", "BOXUNCHECKED", kMask, true),
      ROW(CheckBoxGrayed, "GLOBALINFO", "BOXGRAYED", kMask, true),
      ROW(RadioButtonChecked, "GLOBALINFO", "RADIOCHECKED", kMask, true),
      ROW(RadioButtonUnchecked, "GLOBALINFO", "RADIOUNCHECKED", kMask, true),
      ROW(RadioButtonGrayed, "GLOBALINFO", "RADIOGRAYED", kMask, false),
      ROW(SmallBoxChecked, "GLOBALINFO", "SMALLCHECKED", kMask, true),
      ROW(SmallBoxUnchecked, "GLOBALINFO", "SMALLUNCHECKED", kMask, true),
      ROW(SmallBoxGrayed, "GLOBALINFO", "SMALLGRAYED", kMask, true),
      ROW(ComboBtn, "COMBOBTN", "", kSection, false),
      ROW(ComboBtnBorder, "COMBOBTN", "BORDERSMASK", kByNames, false),
      ROW(ComboBtnPattern, "COMBOBTN", "PATTERN", kTexture, false),
      ROW(ComboBtnHotPattern, "COMBOBTN", "HOTPATTERN", kTexture, false),
      ROW(ComboBoxGlyph, "COMBOBOX", "GLYPHMASK", kByNames, true),
  };
#undef ROW
  ASSERT_EQ(std::size(rows), 69u);
  // The first record of the names, found by walking the arrays (none of
  // these sections has a parent class to fall back on).
  const auto first = [](const Row& row) {
    if (row.How == kSection) return R().SectionIndex(row.Section);
    if (row.How == kMask && R().SectionIndex(row.Section) < 0) return -1;
    for (size_t i = 0; i < R().Masks.size(); ++i) {
      const TsMaskData& m = R().Masks[i];
      if (row.How == kTexture && m.ImgType != itisaTexture) continue;
      if (m.SectionName == row.Section && m.PropertyName == row.Property)
        return static_cast<int>(i);
    }
    return -1;
  };
  for (const Row& row : rows) {
    const int index = row.Read(R().Indexes);
    EXPECT_EQ(index >= 0, row.Found) << row.Field;
    EXPECT_EQ(index, first(row)) << row.Field;
  }
}

TEST_F(ElegantSkin, SectionsCarryTheirStoredValues) {
  const TsGeneralData& global = S("GLOBALINFO");
  EXPECT_EQ(global.FontColor, (TsFontColors{0, 16777215, -1, -1, -1}));
  EXPECT_EQ(global.ShadowTransparency, 60);

  const TsGeneralData& toolbar = S("TOOLBAR");
  EXPECT_EQ(toolbar.ParentClass, "PANEL");
  EXPECT_EQ(toolbar.Color, 14408667);
  ASSERT_EQ(toolbar.GradientArray.size(), 2u);
  EXPECT_EQ(toolbar.GradientArray[0].Color1, 14079702);
  EXPECT_EQ(toolbar.GradientArray[0].Percent, 100);  // 110 in the skin

  const TsGeneralData& title = S("FORMTITLE");
  EXPECT_EQ(title.FontColor, (TsFontColors{16777215, 6250335, 5197647, -1, -1}));
  EXPECT_EQ(title.GradientArray.size(), 4u);
  EXPECT_EQ(title.HotGradientArray.size(), 7u);
  EXPECT_EQ(S("MENUITEM").HotGradientArray.size(), 7u);
  for (const TsGradientStep& step : S("HINT").GradientArray) EXPECT_EQ(step.Mode, 2);
  EXPECT_EQ(S("HINT").GradientPercent, 0);
  EXPECT_EQ(S("TABCONTROLRIGHT").Color, 16777215);
  EXPECT_EQ(S("BUTTON").FadingIterations, 20);
  EXPECT_EQ(S("SPEEDBUTTON_SMALL").FadingIterations, 5);
  EXPECT_TRUE(S("FORM").ReservedBoolean);
  EXPECT_TRUE(S("EDIT").GradientArray.empty());
  EXPECT_EQ(S("EDIT").GradientData, " ");

  const TsGeneralData& nameless = R().Sections[61];
  EXPECT_EQ(nameless.Color, 0);
  EXPECT_EQ(nameless.FadingIterations, 0);
  EXPECT_EQ(nameless.FontColor, kDefaultFontColors);  // an empty string gives the defaults
  EXPECT_EQ(nameless.GradientData, "");
}

TEST_F(ElegantSkin, ImagesCarryTheirStoredGeometry) {
  const TsMaskData& title = R().Masks[64];
  EXPECT_EQ(title.SectionName, "FORMTITLE");
  EXPECT_EQ(title.Rect.Top, 45);
  EXPECT_EQ(title.Rect.Bottom, 153);
  EXPECT_EQ(title.WL, 14);
  EXPECT_EQ(title.WR, 14);
  EXPECT_EQ(title.WT, 18);
  EXPECT_EQ(title.WB, 18);
  EXPECT_EQ(title.MaskType, 1);

  const TsMaskData& speed = R().Masks[43];
  EXPECT_EQ(R().BorderLeft(43), 9);
  EXPECT_EQ(R().BorderTop(43), 8);
  EXPECT_EQ(R().StateImageSize(43), (ImageSize{27, 24}));
  EXPECT_EQ(speed.ImgType, itisaBorder);
  EXPECT_EQ(speed.StretchMode, 1);

  const TsMaskData& grip = R().Masks[84];
  EXPECT_EQ(grip.ImgType, itisaTexture);
  EXPECT_EQ(grip.StretchMode, 10);
  // Glyphs state no widths: a third of a state image.
  EXPECT_EQ(R().Masks[0].WL, 48 / 9);
  EXPECT_EQ(R().Masks[0].WT, 36 / 6);
}

TEST(ElegantSkinVersion, IsTheStoredExtendedValue) {
  const TsStoredSkin skin = ElegantInternalSkin();
  EXPECT_EQ(skin.Version, std::nextafter(4.81, 0.0));
  EXPECT_NE(skin.Version, 4.81);
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", skin.Version);
  EXPECT_STREQ(text, "4.81");
  EXPECT_EQ(skin.Description, "Easy and universal skin for business and media applications.");
  EXPECT_FALSE(skin.Author.empty());
  EXPECT_EQ(skin.Shadow1Color, 0x4D4D4D);
  EXPECT_EQ(skin.MasterBitmap.size(), 71278u);
  EXPECT_EQ(skin.Images[86].Image.size(), 56374u);
  EXPECT_EQ(skin.Images[86].Name, "BUTTONHUGE.BMP");
}

TEST(ExtendedFloat, ConvertsSpecialAndRoundedValues) {
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0);
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0xC0}), -3.0);
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0.0);
  EXPECT_TRUE(std::isinf(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
  EXPECT_TRUE(std::isnan(ExtendedToDouble({1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
  // 1 + 2^-53 is halfway between two doubles: ties go to the even one, 1.
  EXPECT_EQ(ExtendedToDouble({0, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0);
  // Just above halfway rounds up.
  EXPECT_EQ(ExtendedToDouble({1, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), std::nextafter(1.0, 2.0));
}

TEST(ElegantSkinLoad, DoesNotChangeTheStoredSkin) {
  const TsStoredSkins stored{ElegantInternalSkin()};
  SkinRecords records;
  std::string name = kElegantSkinName;
  SkinLoadSettings settings;
  settings.InternalSkins = stored;
  settings.HueOffset = 90;
  settings.Saturation = 40;
  ASSERT_EQ(LoadSkinData(records, name, settings), SkinLoadResult::Loaded);
  const TsStoredSkin fresh = ElegantInternalSkin();
  EXPECT_EQ(stored[0].MasterBitmap, fresh.MasterBitmap);
  const std::size_t hint = 58;  // a tinted section; greys keep their colour
  ASSERT_EQ(fresh.GeneralData[hint].SectionName, "HINT");
  EXPECT_EQ(stored[0].GeneralData[hint].Color, fresh.GeneralData[hint].Color);
  EXPECT_NE(records.Sections[hint].Color, fresh.GeneralData[hint].Color);
}

}  // namespace
}  // namespace au
