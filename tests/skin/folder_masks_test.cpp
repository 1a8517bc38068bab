// Image entries, master bitmaps and JPEG pictures of a skin folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pixels/bmp_file.h"
#include "skin/conversion_error.h"
#include "tests/skin/skin_folder_fixture.h"

namespace au {
namespace {

using test::SolidPicture;
using test::WriteBmp;
using test::WriteJpeg;

// The fixed-column forms, with every field in its place.
std::string GlyphValue(int l, int t, int r, int b, int count, int type) {
  char text[64];
  std::snprintf(text, sizeof text, "@%4d,%4d,%4d,%4d,%1d,%1d", l, t, r, b, count, type);
  return text;
}
std::string BorderValue(int l, int t, int r, int b, int wl, int wt, int wr, int wb, int count,
                        int type, int stretch, int width) {
  char text[80];
  std::snprintf(text, sizeof text, "^%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%1d,%1d,%1d,%1d", l, t, r, b,
                wl, wt, wr, wb, count, type, stretch, width);
  return text;
}
std::string TextureValue(int l, int t, int r, int b, int stretch) {
  char text[64];
  std::snprintf(text, sizeof text, "~%4d,%4d,%4d,%4d,%2d", l, t, r, b, stretch);
  return text;
}

void ExpectRect(const TRect& rect, int left, int top, int right, int bottom) {
  EXPECT_EQ(rect.Left, left);
  EXPECT_EQ(rect.Top, top);
  EXPECT_EQ(rect.Right, right);
  EXPECT_EQ(rect.Bottom, bottom);
}

class SkinFolderMasks : public test::SkinFolderTest {
 protected:
  const TsMaskData& MaskOf(const char* section, const char* property) const {
    const int index = records.MaskIndexByNames(section, property);
    EXPECT_GE(index, 0) << section << "/" << property;
    return records.Masks.at(static_cast<std::size_t>(index));
  }
};

TEST_F(SkinFolderMasks, MasterBitmapAndFixedColumnForms) {
  Bitmap24 master = SolidPicture(216, 325, 0x808080);
  WriteBmp(Folder() / "Master.Bmp", master);
  WriteOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[Panel]\nGlyph=" +
               GlyphValue(112, 204, 160, 240, 3, 1) +
               "\nFrame=" + BorderValue(10, 20, 100, 80, 5, 6, 7, 8, 3, 1, 2, 4) +
               "\nNoWidths=" + BorderValue(10, 20, 100, 80, 0, 0, 0, 0, 3, 1, 2, 4) +
               "\nDefaults=" + BorderValue(10, 20, 100, 80, 0, 0, 0, 0, 3, 1, 2, 0) +
               "\nTexture=" + TextureValue(1, 2, 3, 4, 10) +
               ",1\nFlat=" + TextureValue(1, 2, 3, 4, 7) + "\nCOLOR=255\nGRADIENTDATA=1;2;3;4;5\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  EXPECT_EQ(records.MasterBitmap.Width(), 216);
  EXPECT_EQ(records.MasterBitmap.Height(), 325);
  EXPECT_TRUE(records.MasterBitmap.Transparent());
  ASSERT_EQ(records.Masks.size(), 6u);  // colours and gradients are no images

  const TsMaskData& glyph = records.Masks[0];
  EXPECT_EQ(glyph.SectionName, "Panel");  // names as written in the file
  EXPECT_EQ(glyph.PropertyName, "Glyph");
  ExpectRect(glyph.Rect, 112, 204, 160, 240);
  EXPECT_EQ(glyph.ImageCount, 3);
  EXPECT_EQ(glyph.MaskType, 1);
  EXPECT_EQ(glyph.ImgType, itisaGlyph);
  EXPECT_FALSE(glyph.Image.has_value());
  EXPECT_EQ(glyph.Manager, manager);

  const TsMaskData& frame = records.Masks[1];
  ExpectRect(frame.Rect, 10, 20, 100, 80);
  EXPECT_EQ(frame.ImgType, itisaBorder);
  EXPECT_EQ(frame.WL, 5);
  EXPECT_EQ(frame.WT, 6);
  EXPECT_EQ(frame.WR, 7);
  EXPECT_EQ(frame.WB, 8);
  EXPECT_EQ(frame.ImageCount, 3);
  EXPECT_EQ(frame.MaskType, 1);
  EXPECT_EQ(frame.StretchMode, 2);
  EXPECT_EQ(frame.BorderWidth, 4);
  const TsMaskData& uniform = records.Masks[2];
  EXPECT_EQ(uniform.WL, 4);
  EXPECT_EQ(uniform.WB, 4);
  const TsMaskData& computed = records.Masks[3];  // 90 x 60 in 3 images and 2 rows
  EXPECT_EQ(computed.WL, 10);
  EXPECT_EQ(computed.WR, 10);
  EXPECT_EQ(computed.WT, 10);
  EXPECT_EQ(computed.WB, 10);

  const TsMaskData& texture = records.Masks[4];
  EXPECT_EQ(texture.ImgType, itisaTexture);
  EXPECT_EQ(texture.StretchMode, 10);
  EXPECT_EQ(texture.MaskType, 1);
  EXPECT_EQ(texture.ImageCount, 1);
  EXPECT_EQ(records.Masks[5].MaskType, 0);  // too short for the MaskType column
  EXPECT_EQ(records.Masks[5].StretchMode, 7);
}

TEST_F(SkinFolderMasks, PicturesOfTheirOwn) {
  WriteBmp(Folder() / "FRAME.bmp", SolidPicture(90, 60, 0x2040C0));
  WriteOptions(
      "[PANEL]\n"
      "Own=!frame.BMP!3!1!0\n"
      "Widths=!frame.BMP!1!0!2!1!2!3!4\n"
      "LowerCase=!frame.bmp!3!1!0\n"
      "Missing=!none.BMP!3!1!0\n"
      "BadKind=!frame.BMP!3!1!7\n"
      "BordersMask=frame.bmp\n"
      "MASTERBITMAP=frame.bmp\n"
      "Away=gone.bmp\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  EXPECT_TRUE(records.MasterBitmap.Empty());
  ASSERT_EQ(records.Masks.size(), 4u);

  const TsMaskData& own = records.Masks[0];
  EXPECT_EQ(own.PropertyName, "Own");
  ASSERT_TRUE(own.Image.has_value());
  EXPECT_EQ(own.Image->Pixel(5, 5), 0x2040C0);
  ExpectRect(own.Rect, 0, 0, 90, 60);
  EXPECT_EQ(own.ImageCount, 3);
  EXPECT_EQ(own.MaskType, 1);
  EXPECT_EQ(own.ImgType, itisaBorder);
  EXPECT_EQ(own.WL, 10);
  EXPECT_EQ(own.WT, 10);

  const TsMaskData& widths = records.Masks[1];
  EXPECT_EQ(widths.ImgType, itisaGlyph);
  EXPECT_EQ(widths.WL, 1);
  EXPECT_EQ(widths.WT, 2);
  EXPECT_EQ(widths.WR, 3);
  EXPECT_EQ(widths.WB, 4);

  const TsMaskData& plain = records.Masks[2];  // the plain form upper-cases names
  EXPECT_EQ(plain.SectionName, "PANEL");
  EXPECT_EQ(plain.PropertyName, "BORDERSMASK");
  EXPECT_EQ(plain.ImageCount, 3);
  EXPECT_EQ(plain.MaskType, 1);
  EXPECT_EQ(plain.ImgType, itisaBorder);
  EXPECT_EQ(plain.WL, 10);
  EXPECT_EQ(plain.WT, 10);
  EXPECT_EQ(records.Masks[3].PropertyName, "MASTERBITMAP");  // only GLOBALINFO's is special
}

TEST_F(SkinFolderMasks, RectangleForm) {
  WriteBmp(Folder() / "master.bmp", SolidPicture(64, 64, 0x808080));
  WriteOptions(
      "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
      "[Frame]\n"
      "BordersMask=#(0,0,42,45)(1,0,5,1)\n"
      "Pattern=#(0,0,42,45)(1,0,5,1)\n"
      "Thirds=#(0,0,42,45)(1,0)\n"
      "Stretch=#(0,0,42,45)(2,1,0,3)\n"
      "Alone=#\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Masks.size(), 4u);

  const TsMaskData& border = MaskOf("FRAME", "BORDERSMASK");
  ExpectRect(border.Rect, 0, 0, 42, 45);
  EXPECT_EQ(border.ImageCount, 1);
  EXPECT_EQ(border.MaskType, 0);
  EXPECT_EQ(border.BorderWidth, 5);
  EXPECT_EQ(border.WL, 5);
  EXPECT_EQ(border.WT, 5);
  EXPECT_EQ(border.WR, 5);
  EXPECT_EQ(border.WB, 5);
  EXPECT_EQ(border.StretchMode, 1);
  EXPECT_EQ(border.ImgType, itisaBorder);

  const TsMaskData& pattern = MaskOf("FRAME", "PATTERN");
  EXPECT_EQ(pattern.ImgType, itisaTexture);
  EXPECT_EQ(pattern.StretchMode, 0);

  const TsMaskData& thirds = MaskOf("FRAME", "THIRDS");
  EXPECT_EQ(thirds.WL, 14);
  EXPECT_EQ(thirds.WR, 14);
  EXPECT_EQ(thirds.WT, 15);
  EXPECT_EQ(thirds.WB, 15);
  EXPECT_EQ(thirds.StretchMode, 1);

  const TsMaskData& stretch = MaskOf("FRAME", "STRETCH");
  EXPECT_EQ(stretch.StretchMode, 3);
  EXPECT_EQ(stretch.WL, 7);
  EXPECT_EQ(stretch.WT, 7);  // 45 / (1 * 3 + 3)
}

TEST_F(SkinFolderMasks, RectangleCountsBelowTheirMinimumAreRaised) {
  WriteOptions("[Frame]\nLow=#(0,0,30,30)(0,-3,-2)\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  const TsMaskData& low = MaskOf("FRAME", "LOW");
  EXPECT_EQ(low.ImageCount, 1);
  EXPECT_EQ(low.MaskType, 0);
  EXPECT_EQ(low.BorderWidth, 0);
  EXPECT_EQ(low.WL, 10);
  EXPECT_EQ(low.WT, 10);
}

TEST_F(SkinFolderMasks, MalformedNumbersInImageEntriesEndTheLoad) {
  for (const char* bad : {"#(0,0,42)(1,0)", "#(0,0,42,45)", "#(a,0,42,45)(1,0)",
                          "@ 112, 204, 160, 240,x,1", "@12", "^   1,   2,   3,   4,   5",
                          "~   1,   2,   3,   4", "!frame.BMP!3!1", "!frame.BMP!3!1!0!1!2",
                          // blanks separate words: the corners are no longer one word
                          "# (0, 0, 30, 30) (0,-3,-2)"}) {
    WriteBmp(Folder() / "frame.bmp", SolidPicture(9, 6, 0x102030));
    WriteOptions(std::string("[A]\nGood=#(0,0,9,9)(1,0)\nBad=") + bad +
                 "\nLater=#(0,0,9,9)(1,0)\n");
    EXPECT_THROW(Load(), SkinConversionError) << bad;
    EXPECT_EQ(records.Masks.size(), 1u) << bad;  // what came before stays
  }
}

TEST_F(SkinFolderMasks, JpegPicturesBecomePatternsOrTextures) {
  WriteJpeg(Folder() / "Big.jpg", SolidPicture(300, 300, 0x3060C0));
  WriteJpeg(Folder() / "small.JPEG", SolidPicture(299, 300, 0x3060C0));
  test::WriteFile(Folder() / "broken.jpg", "\xFF\xD8\xFF\xE0 not really");
  WriteOptions(
      "[Panel]\nPattern=big.jpg\nHotPattern=SMALL.jpeg\nBroken=broken.jpg\nGone=gone.jpg\n"
      "BordersMask=#(0,0,9,9)(1,0)\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Patterns.size(), 1u);
  const TsPatternData& pattern = records.Patterns[0];
  EXPECT_EQ(pattern.SectionName, "PANEL");
  EXPECT_EQ(pattern.PropertyName, "PATTERN");
  EXPECT_EQ(pattern.Image.Width(), 300);
  EXPECT_TRUE(test::NearColour(pattern.Image.Pixel(150, 150), 0x3060C0, 4));

  // The small picture is a texture mask, after the image entries.
  ASSERT_EQ(records.Masks.size(), 2u);
  const TsMaskData& texture = records.Masks[1];
  EXPECT_EQ(texture.SectionName, "PANEL");
  EXPECT_EQ(texture.PropertyName, "HOTPATTERN");
  EXPECT_EQ(texture.ImgType, itisaTexture);
  EXPECT_EQ(texture.ImageCount, 1);
  ExpectRect(texture.Rect, 0, 0, 0, 0);
  ASSERT_TRUE(texture.Image.has_value());
  EXPECT_EQ(texture.Image->Width(), 299);
  EXPECT_EQ(records.PatternIndex(0, "PANEL", "PATTERN"), 0);
  EXPECT_EQ(records.PatternIndex(0, "Panel", "PATTERN"), -1);  // pattern names are upper case
}

TEST_F(SkinFolderMasks, DamagedPicturesAreSkipped) {
  test::WriteFile(Folder() / "trunc.bmp", std::string("BM\x10\x00\x00\x00", 6));
  std::vector<std::uint8_t> huge = EncodeBmp24(SolidPicture(2, 2, 0));
  huge[18] = 0xFF;  // width 0x7FFF00FF
  huge[21] = 0x7F;
  test::WriteFile(Folder() / "huge.bmp", huge);
  test::WriteFile(Folder() / "garbage.bmp", std::string(300, '\xA5'));
  WriteOptions(
      "[GLOBALINFO]\nMASTERBITMAP=garbage.bmp\n"
      "[A]\nT=trunc.bmp\nH=!huge.BMP!3!1!0\nG=garbage.bmp\nJ=trunc.jpg\n");
  test::WriteFile(Folder() / "trunc.jpg", std::string("\xFF\xD8", 2));
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  EXPECT_TRUE(records.MasterBitmap.Empty());
  EXPECT_TRUE(records.Masks.empty());
  EXPECT_TRUE(records.Patterns.empty());
}

TEST_F(SkinFolderMasks, EverySkippedEntryIsReportedWithItsPlaceAndReasonAndNothingElse) {
  WriteBmp(Folder() / "ok.bmp", SolidPicture(9, 6, 0x102030));
  test::WriteFile(Folder() / "garbage.bmp", std::string(300, '\xA5'));
  test::WriteFile(Folder() / "broken.jpg", "GIF89a, not a JPEG");
  WriteOptions(
      "stray line\n"
      "[GLOBALINFO]\nMASTERBITMAP=missing.bmp\nVERSION=5\nDESCRIPTION=Made by hand\n"
      "[Panel]\nColor=16777215\nHotColor=-16777201\nGradientData=1;2;3;4;5\nBevel=2\n"
      "Transparency=\nFontColor=dark\nFine=ok.bmp\nBordersMask=frame.bmp\nGlyph=garbage.bmp\n"
      "Own=!ok.bmp!3!1!0\nOwn2=!gone.BMP!3!1!0\nOwn3=!ok.BMP!3!1!7\nIcon=picture.png\nNone=#\n"
      "Pattern=gone.jpg\nHotPattern=broken.jpg\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  std::vector<std::string> told;
  for (const SkinLoadIssue& issue : report.Skipped) told.push_back(issue.Describe());
  const std::vector<std::string> expected = {
      "missing.bmp, section [GLOBALINFO], key MASTERBITMAP: file not found",
      "FRAME.BMP, section [Panel], key BordersMask: file not found",
      "GARBAGE.BMP, section [Panel], key Glyph: picture could not be decoded (not a BMP file)",
      "ok.bmp, section [Panel], key Own: not a BMP (the name lacks \".BMP\" in capitals)",
      "gone.BMP, section [Panel], key Own2: file not found",
      "Options.dat, section [Panel], key Own3: unknown image type (7)",
      "picture.png, section [Panel], key Icon: unknown image type",
      "Options.dat, section [Panel], key None: entry names no image",
      "GONE.JPG, section [Panel], key Pattern: file not found",
      "BROKEN.JPG, section [Panel], key HotPattern: picture could not be decoded (Not a JPEG "
      "file: starts with 0x47 0x49)",
      "Options.dat: line before the first section ('stray line')",
      "Options.dat, section [Panel], key FontColor: malformed number ('dark')",
  };
  EXPECT_EQ(told, expected);
  EXPECT_EQ(records.Masks.size(), 1u);  // only Fine
}

TEST_F(SkinFolderMasks, RectanglesOutsideTheMasterBitmapAreKeptForClipping) {
  WriteBmp(Folder() / "master.bmp", SolidPicture(20, 20, 0x808080));
  WriteOptions(
      "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[A]\nBORDERSMASK=#(-50,10,5000,900000)(3,1)\n"
      "EXTREME=#(-2147483648,0,2147483647,-2147483648)(1,0)\n");
  ASSERT_EQ(Load(), SkinLoadResult::Loaded);
  ASSERT_EQ(records.Masks.size(), 2u);
  ExpectRect(records.Masks[0].Rect, -50, 10, 5000, 900000);
  EXPECT_EQ(records.BorderLeft(0), 5050 / 9);
  EXPECT_EQ(records.BorderTop(0), 32767);  // widths saturate at 16 bits

  // Corners at the ends of the 32-bit range: the extents do not overflow.
  EXPECT_EQ(records.Masks[1].WL, 32767);
  EXPECT_EQ(records.Masks[1].WT, -32768);
  EXPECT_EQ(records.BorderTop(1), -2147483648LL / 3);
  EXPECT_EQ(records.StateImageSize(1),
            (ImageSize{std::numeric_limits<std::int32_t>::max(), -2147483647 - 1}));
}

}  // namespace
}  // namespace au
