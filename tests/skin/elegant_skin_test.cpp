// The internal skin, loaded the way the program loads it at start.
#include "skin/elegant_skin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

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
