// The internal skin's pictures as the program embeds them, checked against
// the skin's image table: where each image lies and how it is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixels/bmp_file.h"
#include "skin_art.h"

namespace au {
namespace {

enum class Kind { Border, Glyph, Texture };

struct ImagePlace {
  const char* Name;
  int Left, Top, Right, Bottom;
  int ImageCount;
  int MaskType;
  int BorderWidth;
  Kind Type;
  int WL, WT, WR, WB;

  int StateWidth() const { return (Right - Left) / ImageCount; }
  int StateHeight() const { return (Bottom - Top) / (MaskType + 1); }
};

// One line per distinct rectangle of the skin's image table.
const std::vector<ImagePlace> kMasterImages = {
    {"BOXCHECKED", 112, 204, 160, 240, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BOXGRAYED", 108, 240, 156, 253, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BOXUNCHECKED", 112, 168, 160, 204, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"RADIOCHECKED", 63, 204, 111, 240, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"RADIOUNCHECKED", 63, 168, 111, 204, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SMALLCHECKED", 36, 308, 72, 320, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SMALLUNCHECKED", 0, 308, 36, 320, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"GRIPIMAGE", 106, 98, 118, 110, 1, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BICONCLOSE", 0, 251, 54, 270, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BICONMAX", 54, 289, 108, 307, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BICONHELP", 54, 251, 108, 270, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BICONNORM", 0, 289, 54, 309, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"BICONMIN", 54, 270, 108, 288, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"TITLEBUTTON", 0, 270, 54, 289, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SMALLGRAYED", 72, 308, 108, 320, 3, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"CHECK", 169, 244, 180, 253, 1, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"PANEL GLYPHMASK", 42, 138, 66, 152, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"PANEL BORDERSMASK", 181, 202, 205, 250, 1, 1, 0, Kind::Border, 8, 8, 8, 8},
    {"PAGECONTROL BORDERSMASK", 42, 114, 69, 138, 1, 0, 1, Kind::Border, 1, 1, 1, 1},
    {"SCROLLBAR1H BORDERSMASK", 123, 120, 195, 144, 3, 0, 0, Kind::Border, 8, 8, 8, 8},
    {"SCROLLBAR1V BORDERSMASK", 123, 96, 195, 120, 3, 0, 0, Kind::Border, 8, 8, 8, 8},
    {"EDIT BORDERSMASK", 42, 90, 69, 114, 1, 0, 3, Kind::Border, 3, 3, 3, 3},
    {"COMBOBOX GLYPHMASK", 0, 217, 57, 251, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SCROLLBTNBOTTOM BORDERSMASK", 123, 144, 195, 168, 3, 0, 0, Kind::Border, 8, 8, 8, 8},
    {"SCROLLBTNBOTTOM GLYPHMASK", 36, 197, 63, 213, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SCROLLBTNLEFT GLYPHMASK", 179, 168, 197, 186, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SCROLLBTNRIGHT GLYPHMASK", 160, 168, 178, 186, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SCROLLBTNTOP GLYPHMASK", 160, 186, 187, 202, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SCROLLSLIDERV GLYPHMASK", 63, 152, 84, 168, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"SPEEDBUTTON_SMALL BORDERSMASK", 132, 48, 213, 96, 3, 1, 0, Kind::Border, 9, 8, 9, 8},
    {"TRACKBAR SLIDERCHANNEL", 123, 90, 129, 96, 1, 0, 0, Kind::Border, 2, 2, 2, 2},
    {"TRACKBAR SLIDERMASK", 0, 175, 33, 217, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"TRACKBAR SLIDERVMASK", 0, 153, 63, 175, 3, 1, 0, Kind::Glyph, 0, 0, 0, 0},
    {"TRACKBAR TICKHORZ", 91, 111, 93, 114, 1, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"TRACKBAR TICKVERT", 90, 112, 93, 114, 1, 0, 0, Kind::Glyph, 0, 0, 0, 0},
    {"DIVIDER BORDERSMASK", 33, 175, 36, 217, 1, 1, 0, Kind::Border, 1, 7, 1, 7},
    {"GROUPBOX BORDERSMASK", 93, 90, 123, 114, 1, 0, 2, Kind::Border, 2, 2, 2, 2},
    {"MAINMENU BORDERSMASK", 69, 90, 93, 114, 1, 0, 2, Kind::Border, 2, 2, 2, 2},
    {"FORM BORDERSMASK", 0, 0, 42, 45, 1, 0, 5, Kind::Border, 5, 5, 5, 5},
    {"FORMTITLE BORDERSMASK", 0, 45, 42, 153, 1, 1, 0, Kind::Border, 14, 18, 14, 18},
    {"DIALOG BORDERSMASK", 0, 0, 42, 45, 1, 0, 4, Kind::Border, 4, 4, 4, 4},
    {"PROGRESSH BORDERSMASK", 87, 114, 105, 150, 1, 1, 0, Kind::Border, 6, 6, 6, 6},
    {"GAUGE BORDERSMASK", 42, 0, 87, 90, 1, 1, 0, Kind::Border, 15, 15, 15, 15},
    {"TABTOP BORDERSMASK", 195, 96, 216, 138, 1, 1, 0, Kind::Border, 7, 7, 7, 7},
    {"TABBOTTOM BORDERSMASK", 96, 150, 105, 168, 1, 1, 0, Kind::Border, 3, 3, 3, 3},
    {"TABRIGHT BORDERSMASK", 105, 150, 114, 168, 1, 1, 0, Kind::Border, 3, 3, 3, 3},
    {"TABLEFT BORDERSMASK", 114, 150, 123, 168, 1, 1, 0, Kind::Border, 3, 3, 3, 3},
    {"BARPANEL BORDERSMASK", 132, 0, 159, 24, 1, 0, 1, Kind::Border, 1, 1, 1, 1},
    {"DRAGBAR BORDERSMASK", 132, 48, 159, 72, 1, 0, 1, Kind::Border, 1, 1, 1, 1},
    {"BUTTON_BIG BORDERSMASK", 108, 253, 216, 325, 3, 1, 0, Kind::Border, 12, 12, 12, 12},
    {"BUTTON BORDERSMASK", 69, 114, 123, 150, 3, 1, 0, Kind::Border, 6, 6, 6, 6},
    {"SPEEDBUTTON BORDERSMASK", 132, 0, 213, 48, 3, 1, 0, Kind::Border, 9, 8, 9, 8},
    {"GRIPH PATTERN", 205, 217, 207, 219, 1, 1, 0, Kind::Texture, 0, 0, 0, 0},
    {"COLHEADER BORDERSMASK", 123, 145, 195, 168, 3, 0, 1, Kind::Border, 6, 6, 6, 6},
};
const ImagePlace kHugeButton{
    "BUTTON_HUGE BORDERSMASK", 0, 0, 288, 192, 3, 1, 0, Kind::Border, 32, 32, 32, 32};

std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

Bitmap24 Decoded(std::span<const unsigned char> file) {
  std::optional<Bitmap24> b = DecodeBmp(file);
  return b ? std::move(*b) : Bitmap24();
}

bool IsGrey(TColor c) {
  return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c);
}

class ElegantArtwork : public ::testing::Test {
 protected:
  static void ForEachImage(const Bitmap24& picture, const ImagePlace& m, auto check) {
    for (int s = 0; s < m.ImageCount; ++s) {
      const int x0 = m.Left + s * m.StateWidth();
      for (int y = 0; y < m.StateHeight(); ++y) {
        for (int x = 0; x < m.StateWidth(); ++x) {
          const bool corner =
              (x < m.WL || x >= m.StateWidth() - m.WR) && (y < m.WT || y >= m.StateHeight() - m.WB);
          const TColor image = picture.Pixel(x0 + x, m.Top + y);
          const TColor weight =
              m.MaskType == 1 ? picture.Pixel(x0 + x, m.Top + m.StateHeight() + y) : clBlack;
          check(s, x, y, corner, image, weight);
        }
      }
    }
  }

  // Frames are cut into nine pieces: only the corners are copied with the
  // transparent colour in mind; sides (and a drawn centre) are copied as
  // they are, or weighted, so magenta there would show as magenta.
  static void ExpectSoundFrame(const Bitmap24& picture, const ImagePlace& m) {
    const bool centreDrawn = m.MaskType == 1 || m.BorderWidth == 0;
    int failures = 0;
    ForEachImage(picture, m, [&](int s, int x, int y, bool corner, TColor image, TColor weight) {
      const bool centre =
          x >= m.WL && x < m.StateWidth() - m.WR && y >= m.WT && y < m.StateHeight() - m.WB;
      if (corner || (centre && !centreDrawn)) return;
      // A weight of 255 leaves the background unchanged only under white.
      const bool bad = image == clMagenta || (weight == clWhite && image != clWhite);
      if (bad && failures++ < 5) {
        ADD_FAILURE() << m.Name << " state " << s << " at " << x << "," << y << ": image "
                      << std::hex << image << " weight " << weight;
      }
    });
  }

  static void ExpectGreyWeights(const Bitmap24& picture, const ImagePlace& m) {
    if (m.MaskType != 1) return;
    int failures = 0;
    ForEachImage(picture, m, [&](int, int x, int y, bool, TColor, TColor weight) {
      if (!IsGrey(weight) && failures++ < 5) ADD_FAILURE() << m.Name << " at " << x << "," << y;
    });
  }

  static void ExpectDistinctStates(const Bitmap24& picture, const ImagePlace& m) {
    if (m.ImageCount < 2) return;
    std::vector<std::vector<TColor>> states(m.ImageCount);
    ForEachImage(picture, m, [&](int s, int, int, bool, TColor image, TColor weight) {
      states[s].push_back(image);
      states[s].push_back(weight);
    });
    for (int a = 0; a < m.ImageCount; ++a)
      for (int b = a + 1; b < m.ImageCount; ++b)
        EXPECT_NE(states[a], states[b]) << m.Name << " states " << a << " and " << b;
  }

  const Bitmap24 master = Decoded(kElegantMasterBmp);
  const Bitmap24 huge = Decoded(kButtonHugeBmp);
};

TEST_F(ElegantArtwork, FilesAreEightBitPicturesOfTheStoredSizes) {
  ASSERT_EQ(kElegantMasterBmp.size(), 71278u);
  ASSERT_EQ(kButtonHugeBmp.size(), 56374u);
  for (const auto file : {kElegantMasterBmp, kButtonHugeBmp}) {
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 10), 1078u);
    EXPECT_EQ(file[28], 8);
    EXPECT_EQ(U32(file, 46), 256u);
    EXPECT_EQ(U32(file, 54 + 0), 0x00FFFFFFu);  // white
    EXPECT_EQ(U32(file, 54 + 4), 0x00FF00FFu);  // magenta
    EXPECT_EQ(U32(file, 54 + 12), 0u);          // black
    // No other entry is the transparent colour.
    for (int i = 2; i < 256; ++i) EXPECT_NE(U32(file, 54 + 4 * i), 0x00FF00FFu) << i;
  }
  EXPECT_EQ(master.Width(), 216);
  EXPECT_EQ(master.Height(), 325);
  EXPECT_EQ(huge.Width(), 288);
  EXPECT_EQ(huge.Height(), 192);
}

TEST_F(ElegantArtwork, FramesKeepTransparencyInTheirCorners) {
  for (const ImagePlace& m : kMasterImages)
    if (m.Type == Kind::Border) ExpectSoundFrame(master, m);
  ExpectSoundFrame(huge, kHugeButton);
}

TEST_F(ElegantArtwork, WeightRowsAreGrey) {
  for (const ImagePlace& m : kMasterImages) ExpectGreyWeights(master, m);
  ExpectGreyWeights(huge, kHugeButton);
}

TEST_F(ElegantArtwork, NormalHotAndPressedImagesDiffer) {
  for (const ImagePlace& m : kMasterImages) ExpectDistinctStates(master, m);
  ExpectDistinctStates(huge, kHugeButton);
}

TEST_F(ElegantArtwork, GlyphsHaveAShapeOnATransparentGround) {
  for (const ImagePlace& m : kMasterImages) {
    if (m.Type != Kind::Glyph || m.Name == std::string("TITLEBUTTON")) continue;
    std::vector<int> solid(m.ImageCount, 0);
    std::vector<int> clear(m.ImageCount, 0);
    ForEachImage(master, m, [&](int s, int, int, bool, TColor image, TColor weight) {
      if (image == clMagenta) {
        ++clear[s];
      } else if (RedOf(weight) < 128) {
        ++solid[s];
      }
    });
    for (int s = 0; s < m.ImageCount; ++s) {
      EXPECT_GT(solid[s], 0) << m.Name << " state " << s;
      // The ticks are cut from the menu bar's etched corner: solid throughout.
      const bool tick = std::string(m.Name).starts_with("TRACKBAR TICK");
      if (!tick) {
        EXPECT_GT(clear[s], 0) << m.Name << " state " << s;
      }
    }
  }
}

TEST_F(ElegantArtwork, TitleBarRoundsTheWindowsTopCorners) {
  // Magenta in the top corners of the caption's frame cuts the window's shape.
  EXPECT_EQ(master.Pixel(0, 45), clMagenta);
  EXPECT_EQ(master.Pixel(41, 45), clMagenta);
  EXPECT_EQ(master.Pixel(1, 46), clMagenta);
  EXPECT_NE(master.Pixel(21, 45), clMagenta);
  EXPECT_EQ(master.Pixel(21, 45 + 54), clBlack);       // an opaque outline along the top
  EXPECT_EQ(master.Pixel(21, 45 + 54 + 27), clWhite);  // the caption's gradient shows inside
}

}  // namespace
}  // namespace au
