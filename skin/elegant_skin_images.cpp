#include <iterator>

#include "skin/elegant_skin_tables.h"
#include "skin_art.h"

namespace au {
namespace {

// One row per image, in stored order, with the columns of the image table:
// rectangle in the master bitmap (right and bottom exclusive), ImageCount,
// MaskType, BorderWidth, StretchMode, ImgType, then WL, WR, WT, WB.
struct ImageRow {
  const char* SectionName;
  const char* PropertyName;
  std::int32_t Left, Top, Right, Bottom;
  std::int32_t ImageCount, MaskType, BorderWidth, StretchMode;
  TacImgType ImgType;
  std::int32_t WL, WR, WT, WB;
};

// clang-format off
constexpr ImageRow kImages[] = {
  {"GLOBALINFO",        "BOXCHECKED",     112, 204, 160, 240, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BOXGRAYED",      108, 240, 156, 253, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BOXUNCHECKED",   112, 168, 160, 204, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "RADIOCHECKED",    63, 204, 111, 240, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "RADIOUNCHECKED",  63, 168, 111, 204, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "SMALLCHECKED",    36, 308,  72, 320, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "SMALLUNCHECKED",   0, 308,  36, 320, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "GRIPIMAGE",      106,  98, 118, 110, 1, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BICONCLOSE",       0, 251,  54, 270, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BICONMAX",        54, 289, 108, 307, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BICONHELP",       54, 251, 108, 270, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BICONNORM",        0, 289,  54, 309, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "BICONMIN",        54, 270, 108, 288, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "TITLEBUTTON",      0, 270,  54, 289, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "SMALLGRAYED",     72, 308, 108, 320, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"GLOBALINFO",        "CHECK",          169, 244, 180, 253, 1, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"PANEL",             "GLYPHMASK",       42, 138,  66, 152, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"PANEL",             "BORDERSMASK",    181, 202, 205, 250, 1, 1, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"PAGECONTROL",       "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"PAGECONTROLBOTTOM", "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"PAGECONTROLLEFT",   "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"PAGECONTROLRIGHT",  "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"SCROLLBAR1H",       "BORDERSMASK",    123, 120, 195, 144, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBAR2H",       "BORDERSMASK",    123, 120, 195, 144, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBAR1V",       "BORDERSMASK",    123,  96, 195, 120, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBAR2V",       "BORDERSMASK",    123,  96, 195, 120, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"ALPHACOMBOBOX",     "BORDERSMASK",     42,  90,  69, 114, 1, 0, 3, 1, itisaBorder,   3, 3, 3, 3},
  {"ALPHACOMBOBOX",     "GLYPHMASK",        0, 217,  57, 251, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"COMBOBOX",          "GLYPHMASK",        0, 217,  57, 251, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"COMBOBOX",          "BORDERSMASK",     42,  90,  69, 114, 1, 0, 3, 1, itisaBorder,   3, 3, 3, 3},
  {"ALPHAEDIT",         "BORDERSMASK",     42,  90,  69, 114, 1, 0, 3, 1, itisaBorder,   3, 3, 3, 3},
  {"SCROLLBTNBOTTOM",   "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBTNBOTTOM",   "GLYPHMASK",       36, 197,  63, 213, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLBTNLEFT",     "GLYPHMASK",      179, 168, 197, 186, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLBTNLEFT",     "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBTNRIGHT",    "GLYPHMASK",      160, 168, 178, 186, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLBTNRIGHT",    "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLBTNTOP",      "GLYPHMASK",      160, 186, 187, 202, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLBTNTOP",      "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLSLIDERH",     "GLYPHMASK",       42, 138,  66, 152, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLSLIDERH",     "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SCROLLSLIDERV",     "GLYPHMASK",       63, 152,  84, 168, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"SCROLLSLIDERV",     "BORDERSMASK",    123, 144, 195, 168, 3, 0, 0, 1, itisaBorder,   8, 8, 8, 8},
  {"SPEEDBUTTON_SMALL", "BORDERSMASK",    132,  48, 213,  96, 3, 1, 0, 1, itisaBorder,   9, 9, 8, 8},
  {"TABCONTROL",        "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"TABCONTROLBOTTOM",  "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"TABCONTROLLEFT",    "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"TABCONTROLRIGHT",   "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"TRACKBAR",          "SLIDERCHANNEL",  123,  90, 129,  96, 1, 0, 0, 1, itisaBorder,   2, 2, 2, 2},
  {"TRACKBAR",          "SLIDERMASK",       0, 175,  33, 217, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"TRACKBAR",          "SLIDERVMASK",      0, 153,  63, 175, 3, 1, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"TRACKBAR",          "TICKHORZ",        91, 111,  93, 114, 1, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"TRACKBAR",          "TICKVERT",        90, 112,  93, 114, 1, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"DIVIDER",           "BORDERSMASK",     33, 175,  36, 217, 1, 1, 0, 1, itisaBorder,   1, 1, 7, 7},
  {"GROUPBOX",          "BORDERSMASK",     93,  90, 123, 114, 1, 0, 2, 1, itisaBorder,   2, 2, 2, 2},
  {"MAINMENU",          "BORDERSMASK",     69,  90,  93, 114, 1, 0, 2, 0, itisaBorder,   2, 2, 2, 2},
  {"FORM",              "GRIPIMAGE",      106,  98, 118, 110, 1, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BICONCLOSE",       0, 251,  54, 270, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BICONMAX",        54, 289, 108, 307, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BICONHELP",       54, 251, 108, 270, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BICONNORM",        0, 289,  54, 309, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BICONMIN",        54, 270, 108, 288, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "TITLEBUTTON",      0, 270,  54, 289, 3, 0, 0, 0, itisaGlyph,    0, 0, 0, 0},
  {"FORM",              "BORDERSMASK",      0,   0,  42,  45, 1, 0, 5, 1, itisaBorder,   5, 5, 5, 5},
  {"FORMTITLE",         "BORDERSMASK",      0,  45,  42, 153, 1, 1, 0, 1, itisaBorder,  14, 14, 18, 18},
  {"DIALOG",            "BORDERSMASK",      0,   0,  42,  45, 1, 0, 4, 1, itisaBorder,   4, 4, 4, 4},
  {"PROGRESSH",         "BORDERSMASK",     87, 114, 105, 150, 1, 1, 0, 1, itisaBorder,   6, 6, 6, 6},
  {"GAUGE",             "BORDERSMASK",     42,   0,  87,  90, 1, 1, 0, 1, itisaBorder,  15, 15, 15, 15},
  {"PROGRESSV",         "BORDERSMASK",     87, 114, 105, 150, 1, 1, 0, 1, itisaBorder,   6, 6, 6, 6},
  {"EDIT",              "BORDERSMASK",     42,  90,  69, 114, 1, 0, 3, 0, itisaBorder,   3, 3, 3, 3},
  {"TABTOP",            "BORDERSMASK",    195,  96, 216, 138, 1, 1, 0, 1, itisaBorder,   7, 7, 7, 7},
  {"TABBOTTOM",         "BORDERSMASK",     96, 150, 105, 168, 1, 1, 0, 1, itisaBorder,   3, 3, 3, 3},
  {"TABRIGHT",          "BORDERSMASK",    105, 150, 114, 168, 1, 1, 0, 1, itisaBorder,   3, 3, 3, 3},
  {"TABLEFT",           "BORDERSMASK",    114, 150, 123, 168, 1, 1, 0, 1, itisaBorder,   3, 3, 3, 3},
  {"BAR",               "BORDERSMASK",     42,   0,  87,  90, 1, 1, 0, 1, itisaBorder,  15, 15, 15, 15},
  {"BARPANEL",          "BORDERSMASK",    132,   0, 159,  24, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"DRAGBAR",           "BORDERSMASK",    132,  48, 159,  72, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"PANEL_LOW",         "BORDERSMASK",     42,   0,  87,  90, 1, 1, 0, 1, itisaBorder,  15, 15, 15, 15},
  {"BUTTON_BIG",        "BORDERSMASK",    108, 253, 216, 325, 3, 1, 0, 1, itisaBorder,  12, 12, 12, 12},
  {"BUTTON",            "BORDERSMASK",     69, 114, 123, 150, 3, 1, 0, 1, itisaBorder,   6, 6, 6, 6},
  {"SPEEDBUTTON",       "BORDERSMASK",    132,   0, 213,  48, 3, 1, 0, 1, itisaBorder,   9, 9, 8, 8},
  {"TOOLBUTTON",        "BORDERSMASK",    132,  48, 213,  96, 3, 1, 0, 1, itisaBorder,   9, 9, 8, 8},
  {"BARTITLE",          "BORDERSMASK",    195,  96, 216, 138, 1, 1, 0, 1, itisaBorder,   7, 7, 7, 7},
  {"EXTRALINE",         "BORDERSMASK",     87, 114, 105, 150, 1, 1, 0, 1, itisaBorder,   6, 6, 6, 6},
  {"GRIPH",             "PATTERN",        205, 217, 207, 219, 1, 1, 0, 10, itisaTexture, 0, 0, 0, 0},
  {"HINT",              "BORDERSMASK",     42, 114,  69, 138, 1, 0, 1, 1, itisaBorder,   1, 1, 1, 1},
  {"BUTTON_HUGE",       "BORDERSMASK",      0,   0, 288, 192, 3, 1, 0, 0, itisaBorder,  32, 32, 32, 32},
  {"COLHEADER",         "BORDERSMASK",    123, 145, 195, 168, 3, 0, 1, 1, itisaBorder,   6, 6, 6, 6},
};
// clang-format on

// The one image with a picture of its own instead of a rectangle of the master bitmap.
constexpr std::size_t kButtonHugeRow = 86;
constexpr const char* kButtonHugeFileName = "BUTTONHUGE.BMP";

}  // namespace

TsSkinImages ElegantSkinImages() {
  TsSkinImages images;
  images.reserve(std::size(kImages));
  for (const ImageRow& row : kImages) {
    TsSkinImage& item = images.emplace_back();
    item.SectionName = row.SectionName;
    item.PropertyName = row.PropertyName;
    item.Left = row.Left;
    item.Top = row.Top;
    item.Right = row.Right;
    item.Bottom = row.Bottom;
    item.ImageCount = row.ImageCount;
    item.MaskType = row.MaskType;
    item.BorderWidth = row.BorderWidth;
    item.StretchMode = row.StretchMode;
    item.ImgType = row.ImgType;
    item.WL = row.WL;
    item.WR = row.WR;
    item.WT = row.WT;
    item.WB = row.WB;
  }
  TsSkinImage& buttonHuge = images[kButtonHugeRow];
  buttonHuge.Name = kButtonHugeFileName;
  buttonHuge.Image.assign(kButtonHugeBmp.begin(), kButtonHugeBmp.end());
  return images;
}

}  // namespace au
