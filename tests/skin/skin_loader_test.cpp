// Choosing the skin source, internal skins, common sections and colour changes.
#include "skin/skin_loader.h"

#include <gtest/gtest.h>

#include "pixels/bmp_file.h"
#include "pixels/color_transforms.h"
#include "skin/skin_color_transform.h"
#include "tests/skin/skin_folder_fixture.h"
#include "tools/jpeg_writer/jpeg_writer.h"

namespace au {
namespace {

using test::SolidPicture;

TsSkinGeneral StoredSection(std::string name, TColor color) {
  TsSkinGeneral section;
  section.SectionName = std::move(name);
  section.Color = color;
  section.FontColor = "1 2 3 4 5";
  section.HotFontColor = "0 -1 -1 -1 -1";
  section.GradientData = "10;20;30;1;0";
  return section;
}

TsSkinImage StoredImage(std::string section, std::string property) {
  TsSkinImage image;
  image.SectionName = std::move(section);
  image.PropertyName = std::move(property);
  image.Left = 0;
  image.Top = 0;
  image.Right = 36;
  image.Bottom = 24;
  image.ImageCount = 3;
  image.MaskType = 1;
  return image;
}

TsStoredSkin StoredSkin(std::string name, TColor panelColor) {
  TsStoredSkin skin;
  skin.Name = std::move(name);
  skin.GeneralData.push_back(StoredSection("PANEL", panelColor));
  skin.Images.push_back(StoredImage("panel", "BordersMask"));
  skin.MasterBitmap = EncodeBmp24(SolidPicture(40, 30, 0x405060));
  skin.Version = 1.5;
  skin.Shadow1Color = 0x010203;
  return skin;
}

using SkinSource = test::SkinFolderTest;

TEST_F(SkinSource, UnknownNamesFallBackToTheFirstInternalSkin) {
  internal = {StoredSkin("First", 0x111111), StoredSkin("Second", 0x222222)};
  ASSERT_EQ(Load("Second"), SkinLoadResult::Loaded);
  EXPECT_EQ(loadedName, "Second");
  EXPECT_EQ(Section("PANEL").Color, 0x222222);
  EXPECT_EQ(records.SkinData.SkinPath, "");
  EXPECT_EQ(records.SkinData.Version, 1.5);

  ASSERT_EQ(Load("second"), SkinLoadResult::Loaded);  // internal names match exactly
  EXPECT_EQ(loadedName, "First");
  EXPECT_EQ(Section("PANEL").Color, 0x111111);

  ASSERT_EQ(Load("No such skin"), SkinLoadResult::Loaded);
  EXPECT_EQ(loadedName, "First");
}

TEST_F(SkinSource, WithoutAnySkinTheRecordsStayUntouched) {
  records.Sections.resize(2);
  records.Masks.resize(3);
  records.SkinData.SkinPath = "c:\\old\\";
  EXPECT_EQ(Load("Missing"), SkinLoadResult::NoSkinAvailable);
  EXPECT_EQ(loadedName, "Missing");
  EXPECT_EQ(records.Sections.size(), 2u);
  EXPECT_EQ(records.Masks.size(), 3u);
  EXPECT_EQ(records.SkinData.SkinPath, "c:\\old\\");
}

TEST_F(SkinSource, ASkinFolderWinsOverAnInternalSkinOfTheSameName) {
  internal = {StoredSkin("Test", 0x111111)};
  WriteOptions("[PANEL]\nCOLOR=$00ABCDEF\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  EXPECT_EQ(Section("PANEL").Color, 0xABCDEF);
  EXPECT_FALSE(records.SkinData.SkinPath.empty());
  EXPECT_TRUE(records.MasterBitmap.Empty());  // the folder names none
}

TEST_F(SkinSource, FolderAndFileNamesMatchWithoutCase) {
  test::WriteBmp(Folder("blue steel") / "Pictures" / "Master.bmp", SolidPicture(8, 8, 0x0000FF));
  test::WriteFile(Folder("blue steel") / "OPTIONS.DAT",
                  "[GLOBALINFO]\nMASTERBITMAP=PICTURES\\MASTER.BMP\n[Panel]\nCOLOR=1\n");
  ASSERT_EQ(Load("Blue Steel"), SkinLoadResult::Loaded);
  EXPECT_EQ(loadedName, "Blue Steel");
  EXPECT_EQ(records.Sections.size(), 2u);
  EXPECT_EQ(records.MasterBitmap.Width(), 8);
}

TEST_F(SkinSource, InternalImagesArePreparedForDrawing) {
  TsStoredSkin skin = StoredSkin("S", 0);
  skin.GeneralData[0].Color = clBtnFace;  // kept as stored, not resolved
  skin.GeneralData[0].HotFontColor = "1 2 x 4 5";
  skin.GeneralData.push_back(StoredSection("SHORT", 0));
  skin.GeneralData.back().FontColor = "1 2 3 4";
  TsSkinImage counts = StoredImage("a", "b");
  counts.ImageCount = 0;
  counts.MaskType = 0;
  TsSkinImage pattern = StoredImage("a", "Pattern");
  pattern.ImgType = itisaBorder;
  pattern.StretchMode = 4;
  TsSkinImage texture = StoredImage("a", "HOTPATTERN");
  texture.ImgType = itisaTexture;
  texture.StretchMode = 4;
  TsSkinImage uniform = StoredImage("a", "U");
  uniform.BorderWidth = 2;
  TsSkinImage own = StoredImage("a", "OWN");
  own.Name = "OWN.BMP";
  own.Image = EncodeBmp24(SolidPicture(30, 12, 0x00FF00));
  skin.Images.insert(skin.Images.end(), {counts, pattern, texture, uniform, own});
  internal = {skin};

  ASSERT_EQ(Load("S"), SkinLoadResult::Loaded);
  EXPECT_EQ(records.Sections[0].Color, clBtnFace);
  EXPECT_EQ(records.Sections[0].FontColor, (TsFontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(records.Sections[0].HotFontColor, kDefaultFontColors);
  EXPECT_EQ(records.Sections[1].FontColor, kDefaultFontColors);
  ASSERT_EQ(records.Sections[0].GradientArray.size(), 1u);
  EXPECT_EQ(records.Sections[0].GradientArray[0].Color2, 20);
  EXPECT_EQ(records.MasterBitmap.Width(), 40);
  EXPECT_TRUE(records.MasterBitmap.Transparent());
  ASSERT_EQ(records.Masks.size(), 6u);

  const TsMaskData& first = records.Masks[0];
  EXPECT_EQ(first.SectionName, "PANEL");
  EXPECT_EQ(first.PropertyName, "BORDERSMASK");
  EXPECT_EQ(first.WL, 4);  // 36 / 9
  EXPECT_EQ(first.WT, 4);  // 24 / 6
  EXPECT_EQ(first.Manager, manager);
  EXPECT_EQ(records.Masks[1].ImageCount, 3);
  EXPECT_EQ(records.Masks[1].MaskType, 1);
  EXPECT_EQ(records.Masks[2].ImgType, itisaTexture);
  EXPECT_EQ(records.Masks[2].StretchMode, 0);
  EXPECT_EQ(records.Masks[3].StretchMode, 4);
  EXPECT_EQ(records.Masks[4].WL, 2);
  EXPECT_EQ(records.Masks[4].WB, 2);
  const TsMaskData& ownMask = records.Masks[5];
  ASSERT_TRUE(ownMask.Image.has_value());
  EXPECT_EQ(ownMask.Rect.Right, 30);
  EXPECT_EQ(ownMask.Rect.Bottom, 12);
  EXPECT_EQ(records.StateImageSize(5), (ImageSize{10, 6}));
}

TEST_F(SkinSource, InternalPatternsShareFilesByName) {
  TsStoredSkin skin = StoredSkin("S", 0);
  const std::vector<std::uint8_t> jpeg = EncodeJpeg(SolidPicture(20, 10, 0x808080));
  skin.Patterns = {{"panel", {}, "WOOD.JPG", "pattern"},
                   {"button", jpeg, "WOOD.JPG", "Pattern"},
                   {"edit", {}, "NONE.JPG", "HOTPATTERN"}};
  internal = {skin};
  ASSERT_EQ(Load("S"), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Patterns.size(), 3u);  // small pictures stay patterns here
  EXPECT_EQ(records.Patterns[0].SectionName, "PANEL");
  EXPECT_EQ(records.Patterns[0].PropertyName, "PATTERN");
  EXPECT_EQ(records.Patterns[0].Image.Width(), 20);
  EXPECT_EQ(records.Patterns[1].Image.Width(), 20);
  EXPECT_TRUE(records.Patterns[2].Image.Empty());
}

TEST_F(SkinSource, CommonSectionsAreAddedOnTop) {
  internal = {StoredSkin("S", 0x445566)};
  common = {";comment",
            "",
            "[PANEL]",
            "GLYPHMASK=#(1,2,13,14)(1,0)",
            "[GLOBALINFO]",
            "BOXCHECKED=#(0,0,3,3)(1,0)",
            "[Extra]",
            "PARENTCLASS=panel",
            "TRANSPARENCY=50",
            "COLOR=$FF00000F",
            "FADINGENABLED=true",
            "SHADOWCOLOR=-1",
            "[NOPARENT]",
            "HOTGRADIENTDATA=1;2;3;0;0"};
  ASSERT_EQ(Load("S"), SkinLoadResult::Loaded);

  ASSERT_EQ(records.Masks.size(), 2u);
  EXPECT_EQ(records.Masks[1].SectionName, "PANEL");
  EXPECT_EQ(records.Masks[1].PropertyName, "GLYPHMASK");
  EXPECT_EQ(records.Masks[1].Rect.Right, 13);

  ASSERT_EQ(records.Sections.size(), 5u);
  EXPECT_EQ(records.Sections[2].SectionName, "GLOBALINFO");
  const TsGeneralData& extra = records.Sections[3];
  EXPECT_EQ(extra.SectionName, "Extra");
  EXPECT_EQ(extra.ParentClass, "PANEL");
  EXPECT_EQ(extra.Color, clBtnFace);  // not resolved here
  EXPECT_EQ(extra.Transparency, 50);
  EXPECT_TRUE(extra.FadingEnabled);
  EXPECT_EQ(extra.FontColor, (TsFontColors{1, 2, 3, 4, 5}));  // from PANEL
  EXPECT_EQ(extra.GradientData, "10;20;30;1;0");
  EXPECT_EQ(extra.GradientArray.size(), 1u);
  EXPECT_EQ(extra.ShadowColor, -1);  // never inherited, so -1 is a value
  const TsGeneralData& orphan = records.Sections[4];
  EXPECT_EQ(orphan.ParentClass, "-1");
  EXPECT_EQ(orphan.Color, clWhite);
  EXPECT_EQ(orphan.GradientData, " ");
  EXPECT_EQ(orphan.HotGradientArray.size(), 1u);
}

TEST_F(SkinSource, CommonImagesNeedAMasterBitmapForRectangles) {
  test::WriteBmp(Folder() / "extra.bmp", SolidPicture(12, 6, 0x00FFFF));
  test::WriteJpeg(Folder() / "tile.jpg", SolidPicture(10, 10, 0x808080));
  WriteOptions("[PANEL]\nCOLOR=1\n");
  common = {"[Panel]",       "RECT=#(0,0,3,3)(1,0)", "FRAME=extra.bmp",
            "TILE=tile.jpg", "[GLOBALINFO]",         "SKIPPED=extra.bmp"};
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Masks.size(), 1u);
  const TsMaskData& frame = records.Masks[0];
  EXPECT_EQ(frame.SectionName, "PANEL");
  EXPECT_EQ(frame.PropertyName, "FRAME");
  ASSERT_TRUE(frame.Image.has_value());
  EXPECT_EQ(frame.ImageCount, 0);  // nothing but the picture is set
  EXPECT_EQ(records.BorderLeft(0), 0);
  EXPECT_EQ(records.StateImageSize(0), (ImageSize{4, 3}));
  ASSERT_EQ(records.Patterns.size(), 1u);  // whatever its size
  EXPECT_EQ(records.Patterns[0].PropertyName, "TILE");
}

TEST(SaturationSetting, BecomesTheNegatedRemainder) {
  EXPECT_EQ(SaturationAmount(50), -50);
  EXPECT_EQ(SaturationAmount(100), -100);
  EXPECT_EQ(SaturationAmount(101), 0);
  EXPECT_EQ(SaturationAmount(150), -49);
  EXPECT_EQ(SaturationAmount(-30), 30);
  EXPECT_EQ(SaturationAmount(-250), 48);
  EXPECT_EQ(SaturationAmount(std::numeric_limits<std::int32_t>::min()), 2147483648LL % 101);
}

class ColourChanges : public test::SkinFolderTest {
 protected:
  void SetUp() override {
    Bitmap24 master = SolidPicture(4, 1, 0x808080);
    master.SetPixel(0, 0, clMagenta);
    master.SetPixel(1, 0, MakeColor(100, 150, 200));
    test::WriteBmp(Folder() / "master.bmp", master);
    test::WriteBmp(Folder() / "own.bmp", SolidPicture(9, 6, MakeColor(100, 150, 200)));
    test::WriteJpeg(Folder() / "big.jpg", SolidPicture(300, 300, MakeColor(40, 90, 200)));
    WriteOptions(
        "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nSHADOW1COLOR=$C89664\n"
        "[PANEL]\nCOLOR=$C89664\nHOTCOLOR=$C89664\nFONTCOLOR=$C89664\nTCTOP=$C89664\n"
        "SHADOWCOLOR=$C89664\nBORDERCOLOR1=$C89664\n"
        "GRADIENTDATA=13145700;13145700;100;0;0\nBORDERSMASK=own.bmp\nPATTERN=big.jpg\n");
  }
};

TEST_F(ColourChanges, SaturationMovesColoursButNotMagentaOrGrey) {
  saturation = 50;
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TColor moved = MakeColor(75, 150, 225);
  const TColor original = MakeColor(100, 150, 200);
  const TsGeneralData& panel = Section("PANEL");
  EXPECT_EQ(panel.Color, moved);
  EXPECT_EQ(panel.HotColor, moved);
  EXPECT_EQ(panel.FontColor, (TsFontColors{moved, -1, moved, -1, -1}));
  EXPECT_EQ(panel.GradientArray[0].Color1, moved);
  EXPECT_EQ(panel.GradientArray[0].Color2, moved);
  EXPECT_EQ(panel.ShadowColor, original);
  EXPECT_EQ(panel.BorderColor1, original);
  EXPECT_EQ(records.SkinData.Shadow1Color, moved);
  EXPECT_EQ(records.MasterBitmap.Pixel(0, 0), clMagenta);
  EXPECT_EQ(records.MasterBitmap.Pixel(1, 0), moved);
  EXPECT_EQ(records.MasterBitmap.Pixel(2, 0), 0x808080);
  ASSERT_EQ(records.Masks.size(), 1u);
  EXPECT_EQ(records.Masks[0].Image->Pixel(4, 4), moved);
  ASSERT_EQ(records.Patterns.size(), 1u);
  EXPECT_TRUE(
      test::NearColour(records.Patterns[0].Image.Pixel(150, 150), MakeColor(40, 90, 200), 4));
}

TEST_F(ColourChanges, HueTurnsTheSameColoursAndZeroChangesNothing) {
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TColor original = MakeColor(100, 150, 200);
  EXPECT_EQ(Section("PANEL").Color, original);
  EXPECT_EQ(records.MasterBitmap.Pixel(1, 0), original);

  hue = 120;
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TColor turned = ShiftHue(120, original);
  ASSERT_NE(turned, original);
  EXPECT_EQ(Section("PANEL").Color, turned);
  EXPECT_EQ(Section("PANEL").FontColor[1], -1);
  EXPECT_EQ(records.SkinData.Shadow1Color, turned);
  EXPECT_EQ(records.MasterBitmap.Pixel(0, 0), clMagenta);
  EXPECT_EQ(records.MasterBitmap.Pixel(1, 0), turned & 0xFFFFFF);
  EXPECT_EQ(records.MasterBitmap.Pixel(3, 0), 0x808080);
}

}  // namespace
}  // namespace au
