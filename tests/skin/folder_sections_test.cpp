// Sections and global information read from a skin folder's options file.
#include <gtest/gtest.h>

#include "skin/conversion_error.h"
#include "tests/skin/skin_folder_fixture.h"

namespace au {
namespace {

using SkinFolderSections = test::SkinFolderTest;

TEST_F(SkinFolderSections, KeysMissingOrMinusOneClimbTheParentChain) {
  WriteOptions(
      "[GLOBALINFO]\nVERSION=5.2\n"
      "[PANEL]\nCOLOR=-1\nPARENTCLASS=BASE\nTRANSPARENCY=30\n"
      "[BASE]\nCOLOR=255\nTRANSPARENCY=80\nSHADOWBLUR=9\nSHADOWCOLOR=4660\n"
      "FADINGENABLED=TrUe\nGRADIENTDATA=1;2;3;1;0\nPARENTCLASS=ROOT\n"
      "[ROOT]\nIMAGEPERCENT=44\nTCLEFT=77\n"
      "[Hex]\nCOLOR=0x0000FF\nHOTCOLOR=$0000FF\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Sections.size(), 5u);
  const TsGeneralData& panel = Section("PANEL");
  EXPECT_EQ(panel.ParentClass, "BASE");
  EXPECT_EQ(panel.Color, 255);
  EXPECT_EQ(panel.Transparency, 30);
  EXPECT_EQ(panel.ShadowBlur, 9);
  EXPECT_EQ(panel.ShadowColor, 0);  // never inherited
  EXPECT_TRUE(panel.FadingEnabled);
  EXPECT_EQ(panel.GradientData, "1;2;3;1;0");
  ASSERT_EQ(panel.GradientArray.size(), 1u);
  EXPECT_EQ(panel.GradientArray[0].Mode, 1);
  EXPECT_EQ(panel.ImagePercent, 44);  // two levels up
  EXPECT_EQ(panel.FontColor, (TsFontColors{0, 77, -1, -1, -1}));
  EXPECT_EQ(Section("BASE").ShadowColor, 4660);
  EXPECT_EQ(Section("Hex").Color, 255);  // the name as written
  EXPECT_EQ(Section("Hex").HotColor, 255);
  EXPECT_EQ(records.SectionIndex("HEX"), -1);
}

TEST_F(SkinFolderSections, DefaultsForSelfParentsCyclesAndMissingKeys) {
  WriteOptions(
      "[SELF]\nPARENTCLASS=self\n"
      "[A]\nPARENTCLASS=B\n"
      "[B]\nPARENTCLASS=A\nHOTTRANSPARENCY=-1\n"
      "[Q]\nPARENTCLASS=?\nCOLOR=-1\nBEVEL=7\nHOTBEVEL=3\nHOTGRADIENTDATA=?\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TsGeneralData defaults;
  for (const char* name : {"SELF", "A", "B", "Q"}) {
    const TsGeneralData& s = Section(name);
    EXPECT_EQ(s.Color, clWhite) << name;
    EXPECT_EQ(s.ShadowBlur, 6) << name;
    EXPECT_EQ(s.ShadowOffset, 3) << name;
    EXPECT_EQ(s.ShadowTransparency, 50) << name;
    EXPECT_EQ(s.FadingIterations, 5) << name;
    EXPECT_EQ(s.FontColor, kDefaultFontColors) << name;
    EXPECT_EQ(s.GradientData, " ") << name;
    EXPECT_TRUE(s.GradientArray.empty()) << name;
    EXPECT_EQ(s.HotGradientData, "") << name;
    EXPECT_TRUE(s.HotGradientArray.empty()) << name;
    EXPECT_EQ(s.HotTransparency, 0) << name;
    EXPECT_FALSE(s.ShowFocus) << name;
  }
  EXPECT_EQ(Section("SELF").ParentClass, "self");
  EXPECT_EQ(Section("Q").Bevel, cbNone);  // outside the enumeration
  EXPECT_EQ(Section("Q").HotBevel, cbRaisedHard);
}

TEST_F(SkinFolderSections, ColourIsResolvedButHotColourIsNot) {
  WriteOptions("[S]\nCOLOR=$FF00000F\nHOTCOLOR=$FF00000F\nBORDERCOLOR1=12\nBORDERCOLOR2=-7\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  EXPECT_EQ(Section("S").Color, SystemColorValue(15));
  EXPECT_EQ(Section("S").HotColor, clBtnFace);
  EXPECT_EQ(Section("S").BorderColor1, 12);
  EXPECT_EQ(Section("S").BorderColor2, -7);
}

TEST_F(SkinFolderSections, GlobalInformation) {
  WriteOptions(
      "[GLOBALINFO]\nVERSION=4.81\nAUTHOR=Someone\nDESCRIPTION=A test skin\n"
      "SHADOW1COLOR=$4D4D4D\nSHADOW1OFFSET=2\nSHADOW1BLUR=7\nSHADOW1TRANSPARENCY=40\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TsSkinData& data = records.SkinData;
  EXPECT_EQ(data.Version, 4.81);
  EXPECT_EQ(data.Author, "Someone");
  EXPECT_EQ(data.Description, "A test skin");
  EXPECT_EQ(data.Shadow1Color, 0x4D4D4D);
  EXPECT_EQ(data.Shadow1Offset, 2);
  EXPECT_EQ(data.Shadow1Blur, 7);
  EXPECT_EQ(data.Shadow1Transparency, 40);
  EXPECT_EQ(data.SkinPath, dir_.Ansi() + "\\Skins\\\\Test\\");
  EXPECT_EQ(records.Sections.size(), 1u);
  EXPECT_EQ(records.Sections[0].SectionName, "GLOBALINFO");

  WriteOptions("[GLOBALINFO]\nVERSION=4,81\n", "Bare");
  ASSERT_EQ(Load("Bare"), SkinLoadResult::Loaded);
  EXPECT_EQ(records.SkinData.Version, 0);
  EXPECT_EQ(records.SkinData.Author, "");
  EXPECT_EQ(records.SkinData.Shadow1Blur, -1);
  EXPECT_EQ(records.SkinData.Shadow1Color, 0);
}

TEST_F(SkinFolderSections, MalformedShadowSettingsEndTheLoad) {
  test::WriteBmp(Folder() / "frame.bmp", test::SolidPicture(9, 6, 0x336699));
  WriteOptions("[GLOBALINFO]\nSHADOW1BLUR=soft\n[PANEL]\nBORDERSMASK=frame.bmp\n");
  records.Sections.resize(3);  // left over from an earlier skin
  EXPECT_THROW(Load(), SkinConversionError);
  EXPECT_EQ(records.Masks.size(), 1u);  // loaded before the error
  EXPECT_TRUE(records.Sections.empty());

  WriteOptions("[GLOBALINFO]\nSHADOW1OFFSET=\n", "Empty");
  EXPECT_THROW(Load("Empty"), SkinConversionError);
}

}  // namespace
}  // namespace au
